#include "services/search_history_dialog.h"

#include <cwchar>

#include "resources/resource_ids.h"
#include "services/help_window.h"
#include "services/search_history.h"
#include "settings/window_placement.h"
#include "settings/window_positions.h"
#include "ui/win32_cwinex.h"
#include "ui/win32_support.h"

namespace {

// Without a remembered rectangle: centred on the help window.
enum { kPlaceCentred = -1 };
enum { kButtonHeight = 26, kGap = 6, kMargin = 5 };

const DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
const PositionCodeValue kBottomRow = PositionCode(kRuleBase, kFractionWhole, -34);
const PositionCodeValue kTextPlus20 = PositionCode(kRulePlusText, 0, 20);

// One control of the table, not yet created.
// The list fills the dialog above a row of the three buttons, "Done" at
// the right.
ControlEntry historyControls[] = {
    MakeControl(L"Listbox", L"", IDC_HISTORY_LIST, kMargin, kMargin,
                PositionCode(kRuleBase, kFractionWhole, -2 * kMargin),
                PositionCode(kRuleBase, kFractionWhole, -45),
                WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP |
                    LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT),
    MakeControl(L"Button", L"Copy to Search", IDC_HISTORY_COPY, kMargin, kBottomRow, kTextPlus20,
                kButtonHeight, kButtonStyle | BS_PUSHBUTTON),
    MakeControl(L"Button", L"Delete Selected", IDC_HISTORY_DELETE, ReferenceCode(kRefEnd, 1, kGap),
                kBottomRow, kTextPlus20, kButtonHeight, kButtonStyle | BS_PUSHBUTTON),
    MakeControl(L"Button", L"Done", IDC_HISTORY_DONE,
                PositionCode(kRuleMinusText, kFractionWhole, -30), kBottomRow, kTextPlus20,
                kButtonHeight, kButtonStyle | BS_DEFPUSHBUTTON),
};
ControlTable historyTable{historyControls, sizeof historyControls / sizeof historyControls[0],
                          &statusBarFont, nullptr};

bool historyReady = false;

HWND List(HWND dialog) {
    return GetDlgItem(dialog, IDC_HISTORY_LIST);
}

int SelectedCount(HWND dialog) {
    const LRESULT count = SendMessageW(List(dialog), LB_GETSELCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

void EnableButtons(HWND dialog) {
    const int selected = SelectedCount(dialog);
    EnableWindow(GetDlgItem(dialog, IDC_HISTORY_DELETE), selected >= 1);
    EnableWindow(GetDlgItem(dialog, IDC_HISTORY_COPY), selected == 1);
}

// The widest entry plus three borders, at least the list's client width.
void FitScrollExtent(HWND dialog) {
    HWND list = List(dialog);
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (int i = 0; i < SearchHistoryCount(); ++i) {
        const wchar_t* text = SearchHistoryEntry(i);
        SIZE size{};
        if (GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size) &&
            size.cx > widest)
            widest = size.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    RECT client;
    GetClientRect(list, &client);
    int extent = widest + 3 * GetSystemMetrics(SM_CXBORDER);
    if (extent < client.right) extent = client.right;
    SendMessageW(list, LB_SETHORIZONTALEXTENT, extent, 0);
}

void FillList(HWND dialog) {
    HWND list = List(dialog);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < SearchHistoryCount(); ++i)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SearchHistoryEntry(i)));
    FitScrollExtent(dialog);
}

void DeleteSelected(HWND dialog) {
    int selected[kSearchHistoryLimit];
    const LRESULT count = SendMessageW(List(dialog), LB_GETSELITEMS, kSearchHistoryLimit,
                                       reinterpret_cast<LPARAM>(selected));
    if (count > 0) DeleteSearchEntries(selected, static_cast<int>(count));
    FillList(dialog);
    EnableButtons(dialog);
}

void CopyToSearch(HWND dialog) {
    int selected = -1;
    if (SendMessageW(List(dialog), LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&selected)) == 1)
        SetHelpSearchText(SearchHistoryEntry(selected));
    EnableButtons(dialog);
}

void EndHistoryDialog(HWND dialog, int button) {
    historyReady = false;
    for (ControlEntry& entry : historyControls) {
        if (entry.window != nullptr) DestroyWindow(entry.window);
        entry.window = nullptr;
    }
    EndDialog(dialog, button);
}

BOOL InitHistoryDialog(HWND dialog, HWND owner) {
    PlaceWindow(owner, dialog, kPositionSearchHistory, kPlaceCentred, kPlaceCentred);
    CreateOrPlaceControls(historyTable, dialog, nullptr, nullptr);
    FillList(dialog);
    EnableButtons(dialog);
    historyReady = true;
    return TRUE;
}

INT_PTR CALLBACK HistoryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return InitHistoryDialog(dialog, reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_HISTORY_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) EnableButtons(dialog);
            return TRUE;
        case IDC_HISTORY_COPY:
            CopyToSearch(dialog);
            return TRUE;
        case IDC_HISTORY_DELETE:
            DeleteSelected(dialog);
            return TRUE;
        case IDC_HISTORY_DONE:
        case IDOK:
        case IDCANCEL:
            EndHistoryDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_GETMINMAXINFO: {
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = kHistoryMinimumWidth;
        info->ptMinTrackSize.y = kHistoryMinimumHeight;
        return TRUE;
    }
    case WM_SIZE:
        if (!historyReady) return TRUE;
        PlaceControlsAgain(historyTable, dialog);
        FitScrollExtent(dialog);
        StorePosition(dialog, kPositionSearchHistory);
        return TRUE;
    case WM_MOVE:
        if (historyReady) StorePosition(dialog, kPositionSearchHistory);
        return TRUE;
    }
    return FALSE;
}

} // namespace

void RunSearchHistoryDialog(HWND owner) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SEARCH_HISTORY), owner,
                    HistoryDialogProc, reinterpret_cast<LPARAM>(owner));
}
