// The help window (template IDD_HELP): its controls, menus, search, and the
// Save As and Print of its text.
#include "services/help_window.h"

#include <commctrl.h>

#include <cwchar>
#include <memory>
#include <new>

#include "app/program_info.h"
#include "resources/resource_ids.h"
#include "services/help_search.h"
#include "services/help_text.h"
#include "services/help_text_output.h"
#include "services/search_history.h"
#include "services/search_history_dialog.h"
#include "settings/window_placement.h"
#include "settings/window_positions.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "ui/win32_cwinex.h"
#include "ui/win32_support.h"

namespace {

// Without a remembered rectangle: 660 by 465 pixels at the owner's right
// edge, 160 pixels below its top, moved left and up as far as it takes to
// be on the screen.
enum { kDefaultWidth = 660, kDefaultHeight = 465, kBelowOwnerTop = 160 };
enum { kButtonWidth = 60, kButtonHeight = 26, kGap = 6, kMargin = 5 };
// Room for the search box's list below its edit line.
enum { kDropDownHeight = 220 };
const UINT_PTR kSearchBoxSubclass = 1;

const DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
const PositionCodeValue kBottomRow = PositionCode(kRuleBase, kFractionWhole, -34);

// One control of the table, not yet created.
// The text fills the window above one row: "Find <", the search box,
// "Find >" and "Done".
ControlEntry helpControls[] = {
    MakeControl(L"Edit", L"", IDC_HELP_TEXT, kMargin, kMargin,
                PositionCode(kRuleBase, kFractionWhole, -2 * kMargin),
                PositionCode(kRuleBase, kFractionWhole, -45),
                WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                    ES_NOHIDESEL | ES_AUTOVSCROLL,
                &smallFixedFont),
    MakeControl(L"Button", L"Find <", IDC_HELP_FIND_PREVIOUS, kMargin, kBottomRow, kButtonWidth,
                kButtonHeight, kButtonStyle),
    MakeControl(
        L"ComboBox", L"", IDC_HELP_SEARCH, ReferenceCode(kRefEnd, 1, kGap),
        ReferenceCode(kRefStart, 1, 2),
        PositionCode(kRuleBase, kFractionWhole, -(2 * kMargin + 3 * kButtonWidth + 3 * kGap + 2)),
        kButtonHeight,
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL),
    MakeControl(L"Button", L"Find >", IDC_HELP_FIND_NEXT, ReferenceCode(kRefEnd, 2, kGap),
                kBottomRow, kButtonWidth, kButtonHeight, kButtonStyle),
    MakeControl(L"Button", L"Done", IDC_HELP_DONE, ReferenceCode(kRefEnd, 3, kGap), kBottomRow,
                kButtonWidth, kButtonHeight, kButtonStyle),
};
ControlTable helpTable{helpControls, sizeof helpControls / sizeof helpControls[0],
                       &helpHandoverFont, nullptr};

HWND helpWindow = nullptr;
bool helpReady = false;
// 1 after a successful find; the search box's edits set it back to 0, so
// that a match at the caret counts again.
int findAgain = 0;
// Set while the window itself fills the search box, whose notifications
// are then not the user's.
bool fillingSearchBox = false;

HWND ControlWindow(int id) {
    return helpWindow != nullptr ? GetDlgItem(helpWindow, id) : nullptr;
}

HWND SearchBoxEdit() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    HWND box = ControlWindow(IDC_HELP_SEARCH);
    return box != nullptr && GetComboBoxInfo(box, &info) ? info.hwndItem : nullptr;
}

// The layout gives the search box the height of its edit line; the list
// below it needs room of its own.
void GiveSearchListRoom() {
    HWND box = ControlWindow(IDC_HELP_SEARCH);
    if (box == nullptr) return;
    RECT r;
    GetWindowRect(box, &r);
    MapWindowPoints(nullptr, helpWindow, reinterpret_cast<POINT*>(&r), 2);
    MoveWindow(box, r.left, r.top, r.right - r.left, kDropDownHeight, TRUE);
}

void SetSearchBoxText(const wchar_t* text) {
    HWND box = ControlWindow(IDC_HELP_SEARCH);
    if (box == nullptr) return;
    fillingSearchBox = true;
    SetWindowTextW(box, text);
    const int length = GetWindowTextLengthW(box);
    SendMessageW(box, CB_SETEDITSEL, 0, MAKELPARAM(length, length));
    fillingSearchBox = false;
}

// The history, oldest at the top, and `text` in the edit line.
void RefillSearchBox(const wchar_t* text) {
    HWND box = ControlWindow(IDC_HELP_SEARCH);
    if (box == nullptr) return;
    fillingSearchBox = true;
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < SearchHistoryCount(); ++i)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SearchHistoryEntry(i)));
    fillingSearchBox = false;
    SetSearchBoxText(text);
}

std::unique_ptr<wchar_t[]> SearchBoxText() {
    std::unique_ptr<wchar_t[]> text(new (std::nothrow) wchar_t[kSearchTextLength]);
    if (text) {
        text[0] = L'\0';
        GetWindowTextW(ControlWindow(IDC_HELP_SEARCH), text.get(), kSearchTextLength);
    }
    return text;
}

int ReadTextLine(int index, wchar_t* buffer, int capacity, void* context) {
    HWND edit = static_cast<HWND>(context);
    *reinterpret_cast<WORD*>(buffer) = static_cast<WORD>(capacity > 0xFFFF ? 0xFFFF : capacity);
    const int length =
        static_cast<int>(SendMessageW(edit, EM_GETLINE, index, reinterpret_cast<LPARAM>(buffer)));
    buffer[length < capacity ? length : capacity - 1] = L'\0';
    return length;
}

// Finds `heading`, or the search box's text (which then enters the history).
bool Find(SearchDirection direction, const wchar_t* heading) {
    HWND edit = ControlWindow(IDC_HELP_TEXT);
    if (edit == nullptr) return false;
    std::unique_ptr<wchar_t[]> boxText;
    const wchar_t* text = heading;
    if (text == nullptr) {
        boxText = SearchBoxText();
        if (!boxText) {
            ReportError(L"Insufficient Memory Storage");
            return false;
        }
        text = boxText.get();
    }
    if (text[0] == L'\0') {
        MessageBeep(MB_ICONHAND);
        return false;
    }
    if (heading == nullptr) {
        AddSearchText(text);
        RefillSearchBox(text);
    }
    SendMessageW(edit, EM_FMTLINES, FALSE, 0);
    DWORD selectionStart = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
    const int line = static_cast<int>(SendMessageW(edit, EM_LINEFROMCHAR, selectionStart, 0));
    const int column = static_cast<int>(selectionStart) -
                       static_cast<int>(SendMessageW(edit, EM_LINEINDEX, line, 0));
    const SearchLines lines = {static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0)),
                               ReadTextLine, edit};
    const SearchHit hit = FindInLines(lines, text, line, column, direction, findAgain);
    if (hit.line < 0) {
        MessageBeep(MB_ICONHAND);
        return false;
    }
    const int start = static_cast<int>(SendMessageW(edit, EM_LINEINDEX, hit.line, 0)) + hit.column;
    SendMessageW(edit, EM_SETSEL, start, start + static_cast<int>(std::wcslen(text)));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    findAgain = 1;
    return true;
}

// Scrolls the first line that holds `heading` to the top of the text.
void ScrollToHeading(const wchar_t* heading) {
    HWND edit = ControlWindow(IDC_HELP_TEXT);
    std::unique_ptr<wchar_t[]> line(new (std::nothrow) wchar_t[kSearchLineLength]);
    if (edit == nullptr || !line) return;
    const int count = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        ReadTextLine(i, line.get(), kSearchLineLength, edit);
        if (std::wcsstr(line.get(), heading) == nullptr) continue;
        const int first = static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
        SendMessageW(edit, EM_LINESCROLL, 0, i - first);
        return;
    }
}

// Keys of the search box's edit line: Enter finds forwards (without the
// dialog's default action and without a beep), the arrows walk the history.
LRESULT CALLBACK SearchBoxProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR) {
    switch (message) {
    case WM_GETDLGCODE:
        if (wParam == VK_RETURN) return DLGC_WANTALLKEYS;
        break;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            SendMessageW(helpWindow, WM_COMMAND, MAKEWPARAM(IDC_HELP_FIND_NEXT, BN_CLICKED), 0);
            return 0;
        }
        if (wParam == VK_UP || wParam == VK_DOWN) {
            const wchar_t* text = StepSearchHistory(wParam == VK_UP ? -1 : +1);
            if (text != nullptr) SetSearchBoxText(text);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r') return 0;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, SearchBoxProc, id);
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

HMENU BuildHelpMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, IDM_HELP_SAVEAS, L"Save&As");
    AppendMenuW(file, MF_STRING, IDM_HELP_PRINT, L"&Print");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, IDC_HELP_DONE, L"&Done");
    HMENU search = CreatePopupMenu();
    AppendMenuW(search, MF_STRING, IDC_HELP_FIND_PREVIOUS, L"Find &<");
    AppendMenuW(search, MF_STRING, IDC_HELP_FIND_NEXT, L"Find &>");
    AppendMenuW(search, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(search, MF_STRING, IDM_HELP_HISTORY, L"View Search History");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(search), L"&Search");
    return bar;
}

bool FillHelpText() {
    std::unique_ptr<wchar_t[]> text(JoinHelpText());
    if (!text) return false;
    HWND edit = ControlWindow(IDC_HELP_TEXT);
    SendMessageW(edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    SetWindowTextW(edit, text.get());
    return true;
}

void CloseHelpWindow() {
    if (helpWindow == nullptr) return;
    StorePosition(helpWindow, kPositionHelpWindow);
    DestroyWindow(helpWindow);
}

void RememberDefaultRect(HWND owner) {
    PositionRect& entry = windowPositions[kPositionHelpWindow];
    if (!IsPositionEmpty(entry)) return;
    RECT ownerRect{0, 0, 0, 0};
    if (owner != nullptr) GetWindowRect(owner, &ownerRect);
    const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    int left = ownerRect.right, top = ownerRect.top + kBelowOwnerTop;
    if (left + kDefaultWidth > screenWidth) left = screenWidth - kDefaultWidth;
    if (top + kDefaultHeight > screenHeight) top = screenHeight - kDefaultHeight;
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    entry = RememberedRect(left, top, left + kDefaultWidth, top + kDefaultHeight);
}

BOOL InitHelpWindow(HWND window, HWND owner) {
    helpWindow = window;
    findAgain = 0;
    RememberDefaultRect(owner);
    PlaceWindow(owner, window, kPositionHelpWindow, 0, 0);
    SetMenu(window, BuildHelpMenu());
    CreateOrPlaceControls(helpTable, window, nullptr, nullptr);
    GiveSearchListRoom();
    if (!FillHelpText()) {
        DestroyWindow(window);
        return FALSE;
    }
    SendMessageW(ControlWindow(IDC_HELP_SEARCH), CB_LIMITTEXT, kSearchTextLength - 1, 0);
    HWND searchEdit = SearchBoxEdit();
    if (searchEdit != nullptr) SetWindowSubclass(searchEdit, SearchBoxProc, kSearchBoxSubclass, 0);
    const wchar_t* current = SearchHistoryEntry(CurrentSearchEntry());
    RefillSearchBox(current != nullptr ? current : L"");
    wchar_t title[64];
    FormatText(title, 64, L"Help - %ls", kProgramName);
    SetWindowTextW(window, title);
    SetFocus(ControlWindow(IDC_HELP_SEARCH));
    helpReady = true;
    return FALSE; // the focus is set
}

void ViewSearchHistory(HWND window) {
    RunSearchHistoryDialog(window);
    SetCurrentSearchEntry(SearchHistoryCount() - 1);
    std::unique_ptr<wchar_t[]> text = SearchBoxText();
    if (text) RefillSearchBox(text.get());
    InvalidateRect(window, nullptr, TRUE);
}

INT_PTR OnCommand(HWND window, int id, int code) {
    switch (id) {
    case IDC_HELP_SEARCH:
        // The user's changes to the search text, not focus changes.
        if (!fillingSearchBox && (code == CBN_EDITCHANGE || code == CBN_SELCHANGE)) findAgain = 0;
        return TRUE;
    case IDC_HELP_FIND_NEXT:
        Find(kSearchForwards, nullptr);
        return TRUE;
    case IDC_HELP_FIND_PREVIOUS:
        Find(kSearchBackwards, nullptr);
        return TRUE;
    case IDM_HELP_SAVEAS:
        SaveHelpTextAs(window, ControlWindow(IDC_HELP_TEXT));
        SendMessageW(ControlWindow(IDC_HELP_TEXT), EM_FMTLINES, FALSE, 0);
        return TRUE;
    case IDM_HELP_PRINT:
        PrintHelpText(window, ControlWindow(IDC_HELP_TEXT));
        SendMessageW(ControlWindow(IDC_HELP_TEXT), EM_FMTLINES, FALSE, 0);
        return TRUE;
    case IDM_HELP_HISTORY:
        ViewSearchHistory(window);
        return TRUE;
    case IDC_HELP_DONE:
    case IDOK:
    case IDCANCEL:
        CloseHelpWindow();
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return InitHelpWindow(window, reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        return OnCommand(window, LOWORD(wParam), HIWORD(wParam));
    case WM_GETMINMAXINFO: {
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = kHelpMinimumWidth;
        info->ptMinTrackSize.y = kHelpMinimumHeight;
        return TRUE;
    }
    case WM_SIZE:
        if (!helpReady) return TRUE;
        PlaceControlsAgain(helpTable, window);
        GiveSearchListRoom();
        StorePosition(window, kPositionHelpWindow);
        InvalidateRect(window, nullptr, TRUE);
        {
            std::unique_ptr<wchar_t[]> text = SearchBoxText();
            if (text) RefillSearchBox(text.get());
        }
        return TRUE;
    case WM_MOVE:
        if (helpReady) StorePosition(window, kPositionHelpWindow);
        return TRUE;
    case WM_DESTROY:
        helpReady = false;
        for (ControlEntry& entry : helpControls)
            entry.window = nullptr; // destroyed with the window
        helpWindow = nullptr;
        return TRUE;
    }
    return FALSE;
}

} // namespace

HWND ShowHelpWindow(HWND owner, const wchar_t* heading) {
    if (helpWindow == nullptr) {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        HWND window = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_HELP), owner,
                                         HelpWindowProc, reinterpret_cast<LPARAM>(owner));
        if (window == nullptr || helpWindow == nullptr) {
            ReportErrorCategory(kErrorLastError, L"Help Dialog Failed");
            return nullptr;
        }
        HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ZELMORA));
        if (icon != nullptr)
            SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        ShowWindow(window, SW_SHOW);
    } else {
        ShowWindow(helpWindow, SW_RESTORE);
    }
    if (heading != nullptr && heading[0] != L'\0') {
        ScrollToHeading(heading);
        Find(kSearchForwards, heading);
    }
    return helpWindow;
}

HWND HelpWindow() {
    return helpWindow;
}

void SetHelpSearchText(const wchar_t* text) {
    SetSearchBoxText(text != nullptr ? text : L"");
    findAgain = 0;
}

bool FindInHelpWindow(bool forwards) {
    return Find(forwards ? kSearchForwards : kSearchBackwards, nullptr);
}

bool SaveHelpTextTo(const wchar_t* path) {
    HWND text = ControlWindow(IDC_HELP_TEXT);
    return text != nullptr && WriteHelpTextFile(text, path);
}
