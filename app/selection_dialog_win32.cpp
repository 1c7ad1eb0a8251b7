// The sun times selection dialog (template IDD_SUNTIMES): opening, the dialog
// procedure, and the one computation step that every control ends in.
#include "app/selection_dialog.h"

#include <commctrl.h>

#include <initializer_list>

#include "app/message_loop.h"
#include "app/program_state.h"
#include "app/selection_dialog_fields.h"
#include "app/selection_dialog_year.h"
#include "locations/location_choice.h"
#include "locations/location_dialog.h"
#include "presentation/event_captions.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "settings/window_placement.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "ui/win32_support.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "suntimes/time_zone_choice.h"
#include "timezones/time_zone_registry.h"

namespace {

// The open dialog; set once it has initialised, cleared when it is destroyed.
HWND openDialog = nullptr;
// Set while the program itself sets the date pickers: their change
// notifications are then not the user's and must not recompute.
bool settingDates = false;

// Relative placement without a remembered rectangle: at the main window's
// right edge, 85 pixels below its top.
enum { kPlaceAtRightEdge = -2, kPlaceBelowTop = 85 };

const int kShowBoxes[kSunEventCount] = {IDC_SEL_SHOW_FIRST, IDC_SEL_SHOW_SECOND, IDC_SEL_SHOW_THIRD,
                                        IDC_SEL_SHOW_FOURTH};
const int kRefreshedButtons[] = {IDC_SEL_TODAY, IDC_SEL_ENTIRE_YEAR, IDC_SEL_DISPLAY};

bool ReadPicker(HWND dialog, int pickerId, SYSTEMTIME* date) {
    HWND picker = GetDlgItem(dialog, pickerId);
    SYSTEMTIME value{};
    if (picker == nullptr ||
        SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value)) != GDT_VALID)
        return false;
    *date = value;
    return true;
}

void ShowDates(HWND dialog, const SYSTEMTIME& start, const SYSTEMTIME& end) {
    settingDates = true;
    SYSTEMTIME value = start;
    SendDlgItemMessageW(dialog, IDC_SEL_START_DATE, DTM_SETSYSTEMTIME, GDT_VALID,
                        reinterpret_cast<LPARAM>(&value));
    value = end;
    SendDlgItemMessageW(dialog, IDC_SEL_END_DATE, DTM_SETSYSTEMTIME, GDT_VALID,
                        reinterpret_cast<LPARAM>(&value));
    settingDates = false;
}

// Both pickers accept only the days of the current year.
void LimitPickersToYear(HWND dialog) {
    for (int pickerId : {IDC_SEL_START_DATE, IDC_SEL_END_DATE}) {
        SYSTEMTIME limits[2] = {yearStart, yearEnd};
        SendDlgItemMessageW(dialog, pickerId, DTM_SETRANGE, GDTR_MIN | GDTR_MAX,
                            reinterpret_cast<LPARAM>(limits));
        SendDlgItemMessageW(dialog, pickerId, DTM_SETFORMATW, 0,
                            reinterpret_cast<LPARAM>(L"M'/'d'/'yyyy"));
    }
}

// A program left running past New Year computes the new year: the year
// bounds, the pickers' limits and the chosen dates move into it first.
void FollowNewYear(HWND dialog) {
    if (yearStart.wYear == today.wYear && yearEnd.wYear == today.wYear) return;
    ReadPicker(dialog, IDC_SEL_START_DATE, &rangeStart);
    ReadPicker(dialog, IDC_SEL_END_DATE, &rangeEnd);
    FollowTodaysYear(today, &yearStart, &yearEnd, &rangeStart, &rangeEnd);
    LimitPickersToYear(dialog);
    ShowDates(dialog, rangeStart, rangeEnd);
}

void NameShowBoxes(HWND dialog) {
    const bool lengths = sunTimesSeries.showLengths == kShowLengths;
    for (int i = 0; i < kSunEventCount; ++i) {
        const wchar_t* caption = EventCaption(i, lengths);
        wchar_t current[32] = L"";
        GetDlgItemTextW(dialog, kShowBoxes[i], current, 32);
        if (lstrcmpW(current, caption) != 0) SetDlgItemTextW(dialog, kShowBoxes[i], caption);
    }
}

void ShowResults(HWND dialog) {
    if (mainWindow != nullptr) {
        InvalidateRect(mainWindow, &plotRect, FALSE);
        UpdateWindow(mainWindow);
    }
    // Keep a field's caret where it is; only bring the focus back from elsewhere.
    HWND focus = GetFocus();
    if (focus != dialog && !IsChild(dialog, focus)) SetFocus(dialog);
}

// "Display Sun Times": the step that every control of the dialog ends in.
void DisplaySunTimes(HWND dialog) {
    FollowNewYear(dialog);
    SYSTEMTIME start, end;
    if (!ReadPicker(dialog, IDC_SEL_START_DATE, &start)) {
        ReportError(L"Invalid Timer Start Date");
        return;
    }
    if (!ReadPicker(dialog, IDC_SEL_END_DATE, &end)) {
        ReportError(L"Invalid Timer End Date");
        return;
    }
    rangeStart = start;
    rangeEnd = end;
    // Looked up by position every time: the catalogue may have been rebuilt.
    const TIME_ZONE_INFORMATION* zone = ZoneAtIndex(timeZoneIndex);
    if (zone == nullptr) {
        ReportError(L"Timezone Not Found");
    } else {
        SetSunTimesDateRange(rangeStart, rangeEnd);
        CalcSunTimesSeries(today.wYear, zone, siteLatitude, siteLongitude);
    }
    ShowResults(dialog);
}

// "Locations": the dialog steps aside while a place is picked from the
// location table, then shows the place in its fields and computes it.
void ChooseLocation(HWND dialog) {
    ShowWindow(dialog, SW_HIDE);
    RunLocationDialog(mainWindow);
    ShowWindow(dialog, SW_SHOWNORMAL);
    TakeChosenLocation(&siteLatitude, &siteLongitude);
    WriteCoordinateFields(dialog);
    DisplaySunTimes(dialog);
}

void ShowWholeYear(HWND dialog) {
    FollowNewYear(dialog);
    ShowDates(dialog, yearStart, yearEnd);
    DisplaySunTimes(dialog);
}

void ShowToday(HWND dialog) {
    FollowNewYear(dialog);
    ShowDates(dialog, today, today);
    DisplaySunTimes(dialog);
}

void SelectComputerZone(HWND dialog) {
    // Reports "Local Timezone Not Found" and gives kZoneNotFound (no zone, no
    // selection in the list) when the zone is not listed.
    timeZoneIndex = FindComputerZoneIndex();
    SendDlgItemMessageW(dialog, IDC_SEL_ZONE_LIST, CB_SETCURSEL, timeZoneIndex, 0);
    DisplaySunTimes(dialog);
}

// The zone the user picked is kept by its key name, which the settings file
// saves and which outlasts every rebuild of the catalogue.
void RememberZoneChoice() {
    const TimeZoneEntry* entry = ZoneEntryAtIndex(timeZoneIndex);
    if (entry != nullptr && entry->keyName != nullptr) ChooseZoneByKey(entry->keyName);
}

void FillZoneList(HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_SEL_ZONE_LIST, CB_RESETCONTENT, 0, 0);
    for (TimeZoneEntry* entry = timeZoneCatalogue.head; entry != nullptr; entry = entry->next)
        SendDlgItemMessageW(dialog, IDC_SEL_ZONE_LIST, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(entry->displayName));
}

void ToggleShownQuantity(HWND dialog, int slot) {
    sunTimesSeries.showEvent[slot] = sunTimesSeries.showEvent[slot] ? 0 : 1;
    CheckDlgButton(dialog, kShowBoxes[slot], sunTimesSeries.showEvent[slot] ? BST_CHECKED : 0);
    ShowWholeYear(dialog);
}

void CloseSelectionDialog(HWND dialog) {
    ReadPicker(dialog, IDC_SEL_START_DATE, &rangeStart);
    ReadPicker(dialog, IDC_SEL_END_DATE, &rangeEnd);
    datesChosen = 1;
    StorePosition(dialog, kPositionSelectionDialog);
    DestroyWindow(dialog);
}

BOOL InitSelectionDialog(HWND dialog) {
    openDialog = dialog;
    RegisterModelessWindow(dialog);
    PlaceWindow(mainWindow, dialog, kPositionSelectionDialog, kPlaceAtRightEdge, kPlaceBelowTop);
    LoadTimeZoneCatalogue();

    SetYearBounds(today, &yearStart, &yearEnd);
    LimitPickersToYear(dialog);
    ShowDates(dialog, yearStart, yearEnd);
    if (datesChosen == 0) {
        rangeStart = yearStart;
        rangeEnd = yearEnd;
    } else {
        // Dates kept from an earlier opening in a former year move into this one.
        FollowTodaysYear(today, &yearStart, &yearEnd, &rangeStart, &rangeEnd);
    }

    FillZoneList(dialog);
    // A zone chosen before (by the TIMEZONE setting) comes before the
    // computer's own.
    if (timeZoneIndex < 0) timeZoneIndex = ChosenZoneIndex();
    if (timeZoneIndex < 0) {
        SelectComputerZone(dialog);
    } else {
        SendDlgItemMessageW(dialog, IDC_SEL_ZONE_LIST, CB_SETCURSEL, timeZoneIndex, 0);
        // The rebuilt catalogue selected its own first zone; the chosen one stands.
        ZoneAtIndex(timeZoneIndex);
    }

    RefreshSelectionControls(true);
    WriteCoordinateFields(dialog);
    EnableWindow(GetDlgItem(dialog, IDC_SEL_ZONE_LIST), TRUE);
    ShowWindow(dialog, SW_SHOW);
    SubclassCoordinateFields(dialog);
    return TRUE;
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    switch (id) {
    case IDOK:
    case IDCANCEL:
        CloseSelectionDialog(dialog);
        return TRUE;
    case IDC_SEL_DISPLAY:
        DisplaySunTimes(dialog);
        break;
    case IDC_SEL_ZONE_LIST:
        if (code == CBN_SELCHANGE) {
            timeZoneIndex = static_cast<int>(
                SendDlgItemMessageW(dialog, IDC_SEL_ZONE_LIST, CB_GETCURSEL, 0, 0));
            RememberZoneChoice();
            DisplaySunTimes(dialog);
        }
        break;
    case IDC_SEL_COMPUTER_ZONE:
        SelectComputerZone(dialog);
        RememberZoneChoice();
        break;
    case IDC_SEL_TODAY:
        ShowToday(dialog);
        break;
    case IDC_SEL_ENTIRE_YEAR:
        ShowWholeYear(dialog);
        break;
    case IDC_SEL_SHOW_FIRST:
    case IDC_SEL_SHOW_SECOND:
    case IDC_SEL_SHOW_THIRD:
    case IDC_SEL_SHOW_FOURTH:
        if (code == BN_CLICKED) ToggleShownQuantity(dialog, id - IDC_SEL_SHOW_FIRST);
        break;
    case IDC_SEL_LATITUDE:
    case IDC_SEL_LONGITUDE:
        if (code == EN_CHANGE) OnCoordinateFieldChange(dialog, id);
        break;
    case IDC_SEL_LOCATIONS:
        ChooseLocation(dialog);
        break;
    }
    return FALSE;
}

INT_PTR CALLBACK SelectionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // "Todays Date" and the year bounds follow the clock, read on every message.
    GetLocalTime(&today);
    switch (message) {
    case WM_INITDIALOG:
        return InitSelectionDialog(dialog);
    case WM_MOVE:
    case WM_SIZE:
        // Moves during creation come before the remembered place is applied.
        if (dialog == openDialog) StorePosition(dialog, kPositionSelectionDialog);
        return TRUE;
    case WM_PAINT:
        NameShowBoxes(dialog);
        return FALSE;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header != nullptr && header->code == DTN_DATETIMECHANGE && !settingDates &&
            (header->idFrom == IDC_SEL_START_DATE || header->idFrom == IDC_SEL_END_DATE))
            DisplaySunTimes(dialog);
        return FALSE;
    }
    case WM_COMMAND:
        return OnCommand(dialog, wParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: {
        return reinterpret_cast<INT_PTR>(
            UseColours(reinterpret_cast<HDC>(wParam), textColor, windowColor));
    }
    case WM_DESTROY:
        if (dialog == openDialog) openDialog = nullptr;
        UnregisterModelessWindow(dialog);
        return FALSE;
    }
    return FALSE;
}

} // namespace

void OpenSelectionDialog() {
    if (openDialog != nullptr && IsWindow(openDialog)) {
        ShowWindow(openDialog, SW_RESTORE);
        return;
    }
    static bool controlsReady = false;
    if (!controlsReady) {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_DATE_CLASSES};
        controlsReady = InitCommonControlsEx(&classes) != FALSE;
    }
    if (CreateDialogParamW(programInstance, MAKEINTRESOURCEW(IDD_SUNTIMES), mainWindow,
                           SelectionDialogProc, 0) == nullptr)
        ReportError(L"Failed Sun Times Selections Dialog");
}

HWND SelectionDialogWindow() {
    return openDialog;
}

void RefreshSelectionControls(bool enabled) {
    if (openDialog == nullptr) return;
    for (int i = 0; i < kSunEventCount; ++i) {
        const UINT state = sunTimesSeries.showEvent[i] ? BST_CHECKED : BST_UNCHECKED;
        // Only a change is written: the button redraws itself on every write.
        if (IsDlgButtonChecked(openDialog, kShowBoxes[i]) != state)
            CheckDlgButton(openDialog, kShowBoxes[i], state);
        EnableWindow(GetDlgItem(openDialog, kShowBoxes[i]), enabled);
    }
    for (int id : kRefreshedButtons)
        EnableWindow(GetDlgItem(openDialog, id), enabled);
    NameShowBoxes(openDialog);
}

void SetSelectionDialogDates(const SYSTEMTIME& start, const SYSTEMTIME& end) {
    if (openDialog != nullptr) ShowDates(openDialog, start, end);
}

void FollowYearInSelectionDialog() {
    if (openDialog == nullptr) return;
    LimitPickersToYear(openDialog);
    ShowDates(openDialog, rangeStart, rangeEnd);
}

void PlaceSelectionDialogAgain() {
    if (openDialog == nullptr) return;
    ShowWindow(openDialog, SW_RESTORE);
    PlaceWindow(mainWindow, openDialog, kPositionSelectionDialog, kPlaceAtRightEdge,
                kPlaceBelowTop);
}

void ShowSelectionsInDialog() {
    if (openDialog == nullptr) return;
    WriteCoordinateFields(openDialog);
    SendDlgItemMessageW(openDialog, IDC_SEL_ZONE_LIST, CB_SETCURSEL, timeZoneIndex, 0);
    RefreshSelectionControls(true);
    DisplaySunTimes(openDialog);
}
