// Fonts, wait cursor, message pump and the status line.
#include "ui/win32_status_bar.h"
#include "ui/win32_support.h"

#include <commctrl.h>

#include <cstdarg>

#include "support/bounded_format.h"
#include "support/error_report.h"

HFONT helpHandoverFont = nullptr;
HFONT statusBarFont = nullptr;
HFONT tableFont = nullptr;
HFONT smallFixedFont = nullptr;
HFONT plotLabelFont = nullptr;
HCURSOR waitCursor = nullptr;

StatusLineState statusLine = {L"", L"", kNoDotsYet};

namespace {

HWND pumpWindow = nullptr;
HACCEL pumpAccelerators = nullptr;

HFONT MakeFont(int height, int width, int weight, const wchar_t* face) {
    HFONT font = CreateFontW(height, width, 0, 0, weight, FALSE, FALSE, FALSE, 0, 0, 0, 0,
                             FIXED_PITCH | FF_MODERN, face);
    if (font == nullptr) ReportError(L"Cannot create the font \"%ls\" %d", face, height);
    return font;
}

void MakeFontOnce(HFONT& font, int height, int width, int weight, const wchar_t* face) {
    if (font == nullptr) font = MakeFont(height, width, weight, face);
}

void SetStatusV(const wchar_t* format, va_list args) {
    wchar_t text[kStatusChars];
    FormatTextV(text, kStatusChars, format != nullptr ? format : L"", args);
    if (statusBarWindow == nullptr) return;
    CopyText(statusLine.text, kStatusChars, text);
    AdvanceDots();
    ShowStatusLine();
}

} // namespace

int CreateFonts() {
    MakeFontOnce(helpHandoverFont, 16, 8, FW_NORMAL, L"Times New Roman");
    MakeFontOnce(statusBarFont, 16, 6, FW_NORMAL, L"Segoe UI");
    MakeFontOnce(tableFont, 16, 12, FW_BOLD, L"Courier New");
    MakeFontOnce(smallFixedFont, 12, 7, FW_NORMAL, L"Courier New");
    MakeFontOnce(plotLabelFont, 12, 8, FW_BOLD, L"Segoe UI");
    if (waitCursor == nullptr) waitCursor = LoadCursorW(nullptr, IDC_WAIT);
    return helpHandoverFont && statusBarFont && tableFont && smallFixedFont && plotLabelFont;
}

void SetPumpTarget(HWND mainWindow, HACCEL accelerators) {
    pumpWindow = mainWindow;
    pumpAccelerators = accelerators;
}

int PumpMessages(int count) {
    int handled = 0;
    MSG message;
    while (handled < count && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Taken from under the main loop: give it back, or the program
            // would run on without its window.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (pumpWindow == nullptr || pumpAccelerators == nullptr ||
            !TranslateAcceleratorW(pumpWindow, pumpAccelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        ++handled;
    }
    return handled;
}

void SetStatus(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    SetStatusV(format, args);
    va_end(args);
}

void SetStatusWorking(const wchar_t* format, ...) {
    if (waitCursor == nullptr) waitCursor = LoadCursorW(nullptr, IDC_WAIT);
    SetCursor(waitCursor);
    va_list args;
    va_start(args, format);
    SetStatusV(format, args);
    va_end(args);
}

int AdvanceDotsAt(DWORD tickCount) {
    const int advanced = AdvanceStatusDots(statusLine.dots, tickCount);
    FormatStatusLine(statusLine.line, kStatusChars, statusLine.text, statusLine.dots.counter);
    return advanced;
}

int AdvanceDots() {
    return AdvanceDotsAt(GetTickCount());
}

void ShowStatusLine() {
    if (statusBarWindow == nullptr) return;
    SendMessageW(statusBarWindow, SB_SETTEXTW, 0 | SBT_OWNERDRAW,
                 reinterpret_cast<LPARAM>(statusLine.line));
    // The bar skips the redraw when it is handed the same buffer again.
    InvalidateRect(statusBarWindow, nullptr, FALSE);
}

HBRUSH UseColours(HDC dc, COLORREF text, COLORREF background) {
    SetTextColor(dc, text);
    SetBkColor(dc, background);
    SetDCBrushColor(dc, background);
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}
