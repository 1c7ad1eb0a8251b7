// The status bar: its window, its owner-drawn part with three text lines,
// the division of the main window's client area, and the hand-over of a
// pending error to a message box when the status bar option is off.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>

#include "resources/resource_ids.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "ui/win32_status_bar.h"
#include "ui/win32_support.h"

HWND statusBarWindow = nullptr;
int statusBarLineHeight = 16;
StatusBarLeftColumnPainter statusBarLeftColumnPainter = nullptr;

namespace {

const COLORREF kStatusGreen = RGB(20, 132, 8);
const COLORREF kErrorRed = RGB(255, 0, 0);
const int kGrooveX = 139;           // the groove between the left and right columns
const int kRightColumnOffset = 140; // right column text, from the part's left edge

wchar_t outputFilePath[MAX_PATH] = L"";

// The error handed to the main window for its message box: busy from the
// post until the box is closed, so at most one box is ever open.
wchar_t postedError[kErrorMessageLength] = L"";
bool postedErrorBusy = false;
bool errorBoxOpen = false;

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, int width, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, width, color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawClipped(HDC dc, int x, int y, const RECT& clip, const wchar_t* text) {
    ExtTextOutW(dc, x, y, ETO_CLIPPED, &clip, text, static_cast<UINT>(wcslen(text)), nullptr);
}

// Line 2 of the right column: the pending error in red, else the output file.
void DrawRightColumn(HDC dc, const RECT& part, COLORREF textColor) {
    const int h = statusBarLineHeight;
    RECT clip = {part.left + kRightColumnOffset, part.top + h, part.right, part.top + 2 * h};
    wchar_t text[kErrorMessageLength + MAX_PATH];
    if (HasPendingError()) {
        CopyText(text, kErrorMessageLength, PendingError().message);
        SetTextColor(dc, kErrorRed);
    } else if (outputFilePath[0] != L'\0') {
        FormatText(text, kErrorMessageLength + MAX_PATH, L"Output File: \"%ls\"", outputFilePath);
        SetTextColor(dc, textColor);
    } else {
        return;
    }
    DrawClipped(dc, clip.left, clip.top, clip, text);
    SetTextColor(dc, textColor);
}

// With the status bar option off, a pending error goes to a message box. The
// box must not open here: a modal loop inside WM_DRAWITEM lets the timers
// draw the bar again and open box after box. The main window opens it from
// its message loop instead.
void HandOverPendingError(HWND mainWindow) {
    if (postedErrorBusy || !HasPendingError()) return;
    if (!PostMessageW(mainWindow, kShowPendingErrorMessage, 0, 0)) return;
    ErrorState error = TakePendingError();
    CopyText(postedError, kErrorMessageLength, error.message);
    postedErrorBusy = true;
}

} // namespace

HWND CreateStatusBar(HWND parent) {
    if (statusBarWindow != nullptr && IsWindow(statusBarWindow) &&
        GetParent(statusBarWindow) == parent)
        DestroyWindow(statusBarWindow);
    statusBarWindow = nullptr;
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    if (statusBarFont == nullptr) CreateFonts();

    HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                               0, 0, 0, 0, parent, reinterpret_cast<HMENU>(IDC_STATUS_BAR),
                               GetModuleHandleW(nullptr), nullptr);
    if (bar == nullptr) {
        ReportErrorCategory(kErrorLastError, L"Cannot create the status bar");
        return nullptr;
    }
    statusBarWindow = bar;
    SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(statusBarFont), FALSE);

    HDC dc = GetDC(bar);
    HGDIOBJ old = SelectObject(dc, statusBarFont);
    TEXTMETRICW metrics;
    if (GetTextMetricsW(dc, &metrics)) statusBarLineHeight = metrics.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(bar, dc);

    SendMessageW(bar, SB_SETMINHEIGHT, 3 * statusBarLineHeight + 3, 0);
    int rightEdges[1] = {-1};
    SendMessageW(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
    if (statusLine.line[0] == L'\0')
        FormatStatusLine(statusLine.line, kStatusChars, statusLine.text, statusLine.dots.counter);
    ShowStatusLine();
    SendMessageW(bar, WM_SIZE, 0, 0);
    return bar;
}

void LayOutClientArea(HWND mainWindow, HWND rebar, RECT* plotRect) {
    GetClientRect(mainWindow, plotRect);
    RECT bar;
    if (rebar != nullptr && GetClientRect(rebar, &bar))
        plotRect->top = plotRect->top + 4 + (bar.bottom - bar.top);
    if (statusBarWindow != nullptr && GetClientRect(statusBarWindow, &bar))
        plotRect->bottom -= bar.bottom - bar.top;
}

void SetStatusBarOutputFile(const wchar_t* path) {
    CopyText(outputFilePath, MAX_PATH, path != nullptr ? path : L"");
}

BOOL DrawStatusBar(const DRAWITEMSTRUCT* item, const StatusBarView& view) {
    if (item == nullptr || statusBarWindow == nullptr || item->hwndItem != statusBarWindow)
        return FALSE;
    HDC dc = item->hDC;
    const RECT part = item->rcItem;
    const int saved = SaveDC(dc);

    HBRUSH background = CreateSolidBrush(view.windowColor);
    FillRect(dc, &part, background);
    DeleteObject(background);
    if (statusBarFont != nullptr) SelectObject(dc, statusBarFont);
    SetBkMode(dc, TRANSPARENT);

    DrawLine(dc, kGrooveX, 2, kGrooveX, part.bottom + 2, 2, GetSysColor(COLOR_BTNFACE));
    DrawLine(dc, kGrooveX + 1, 3, kGrooveX + 1, part.bottom, 1, GetSysColor(COLOR_BTNSHADOW));

    const int textLeft = part.left + 1;
    SetTextColor(dc, kStatusGreen);
    DrawClipped(dc, textLeft, part.top, part, statusLine.line);
    SetTextColor(dc, view.textColor);

    if (statusBarLeftColumnPainter != nullptr) {
        statusBarLeftColumnPainter(dc, part, statusBarLineHeight);
        SetTextColor(dc, view.textColor);
    }
    if (view.statusBarOn)
        DrawRightColumn(dc, part, view.textColor);
    else
        HandOverPendingError(view.mainWindow);

    RestoreDC(dc, saved);
    return TRUE;
}

void ShowPostedError(HWND owner) {
    if (errorBoxOpen || !postedErrorBusy) return;
    errorBoxOpen = true;
    MessageBoxW(owner, postedError, L"Error", MB_OK | MB_ICONERROR);
    errorBoxOpen = false;
    postedError[0] = L'\0';
    postedErrorBusy = false;
}
