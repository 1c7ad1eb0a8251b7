// The location selection dialog (template IDD_LOCATIONS). Both lists are
// filled from the location table at each opening; what a pick means is
// decided in location_choice.cpp.
#include "locations/location_dialog.h"

#include "app/program_state.h"
#include "locations/location_choice.h"
#include "locations/location_table.h"
#include "resources/resource_ids.h"
#include "settings/window_placement.h"
#include "settings/window_positions.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "ui/win32_support.h"

namespace {

// Without a remembered rectangle: at the owner's right edge, 85 pixels below its top.
enum { kPlaceAtRightEdge = -2, kPlaceBelowTop = 85 };
enum { kCoordinateChars = 32 };

void ShowCoordinates(HWND dialog) {
    wchar_t text[kCoordinateChars];
    FormatText(text, kCoordinateChars, L"%g", locationChoice.newLatitude);
    SetDlgItemTextW(dialog, IDC_LOC_LATITUDE, text);
    FormatText(text, kCoordinateChars, L"%g", locationChoice.newLongitude);
    SetDlgItemTextW(dialog, IDC_LOC_LONGITUDE, text);
}

int Selection(HWND dialog, int listId) {
    return static_cast<int>(SendDlgItemMessageW(dialog, listId, CB_GETCURSEL, 0, 0));
}

void Select(HWND dialog, int listId, int index) {
    SendDlgItemMessageW(dialog, listId, CB_SETCURSEL, index, 0);
}

// Every row up to the end goes into the location list, headers and blanks
// included, so that a position in the list is a row of the table.
void FillLists(HWND dialog) {
    HWND categories = GetDlgItem(dialog, IDC_LOC_CATEGORY);
    HWND locations = GetDlgItem(dialog, IDC_LOC_LIST);
    SendMessageW(categories, CB_RESETCONTENT, 0, 0);
    SendMessageW(locations, CB_RESETCONTENT, 0, 0);
    SendMessageW(locations, CB_INITSTORAGE, kLocationRowCount, kLocationRowCount * 64);
    for (int row = 0; row < kLocationRowCount; ++row) {
        const LocationEntry& entry = kLocationTable[row];
        const LocationRowKind kind = KindOfLocationRow(entry);
        if (kind == kLocationEnd) break;
        SendMessageW(locations, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name));
        if (kind == kLocationHeader) {
            SendMessageW(categories, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name));
            RecordCategoryRow(row);
        }
    }
}

BOOL InitLocationDialog(HWND dialog, HWND owner) {
    BeginLocationChoice();
    PlaceWindow(owner, dialog, kPositionLocationDialog, kPlaceAtRightEdge, kPlaceBelowTop);
    FillLists(dialog);
    Select(dialog, IDC_LOC_CATEGORY, locationChoice.categoryIndex);
    Select(dialog, IDC_LOC_LIST, locationChoice.locationIndex);
    ShowWindow(dialog, SW_SHOW);
    ShowRememberedLocation();
    ShowCoordinates(dialog);
    locationChoice.ready = true;
    return TRUE;
}

void EndLocationDialog(HWND dialog, int button) {
    StorePosition(dialog, kPositionLocationDialog);
    locationChoice.ready = false;
    EndDialog(dialog, button);
}

// A change of a list's selection is a pick of what it shows selected. Other
// notifications are not: the category list gets the focus when the dialog
// opens, and taking that as a pick would move the location list from the
// remembered place to the first category's heading.
INT_PTR OnCommand(HWND dialog, int id, int notification) {
    if (!locationChoice.ready) return FALSE;
    if ((id == IDC_LOC_LIST || id == IDC_LOC_CATEGORY) && notification != CBN_SELCHANGE)
        return TRUE;
    switch (id) {
    case IDC_LOC_LIST: {
        const int row = Selection(dialog, IDC_LOC_LIST);
        if (row >= 0 && PickLocationRow(row)) ShowCoordinates(dialog);
        return TRUE;
    }
    case IDC_LOC_CATEGORY: {
        const int category = Selection(dialog, IDC_LOC_CATEGORY);
        if (category < 0) return TRUE;
        Select(dialog, IDC_LOC_CATEGORY, category);
        const int header = PickCategory(category);
        if (header >= 0) Select(dialog, IDC_LOC_LIST, header);
        return TRUE;
    }
    case IDCANCEL:
        CancelLocationChoice();
        EndLocationDialog(dialog, IDCANCEL);
        return TRUE;
    case IDC_LOC_DONE:
        EndLocationDialog(dialog, IDC_LOC_DONE);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK LocationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return InitLocationDialog(dialog, reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_MOVE:
    case WM_SIZE:
        // Moves while the dialog places itself are not the user's.
        if (locationChoice.ready) StorePosition(dialog, kPositionLocationDialog);
        return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: {
        return reinterpret_cast<INT_PTR>(
            UseColours(reinterpret_cast<HDC>(wParam), textColor, windowColor));
    }
    }
    return FALSE;
}

} // namespace

INT_PTR RunLocationDialog(HWND owner) {
    const INT_PTR button = DialogBoxParamW(programInstance, MAKEINTRESOURCEW(IDD_LOCATIONS), owner,
                                           LocationDialogProc, reinterpret_cast<LPARAM>(owner));
    locationChoice.ready = false;
    if (button == IDC_LOC_DONE || button == IDCANCEL) return button;
    CancelLocationChoice();
    ReportError(L"Failed Location Selection Dialog");
    return -1;
}
