// WM_COMMAND of the main window: menu items, toolbar buttons, accelerators.
#include "app/commands.h"

#include "app/bars.h"
#include "app/file_commands.h"
#include "app/internet_commands.h"
#include "app/help_commands.h"
#include "app/update_commands.h"
#include "app/main_window.h"
#include "app/menus.h"
#include "app/selection_dialog.h"
#include "app/selection_range.h"
#include "settings/program_options.h"
#include "settings/settings_session.h"
#include "settings/window_placement.h"
#include "settings/window_positions.h"
#include "app/program_state.h"
#include "datetime/date_time_format.h"
#include "locations/location_credits.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "support/bounded_format.h"
#include "suntimes/sun_times_series.h"
#include "ui/win32_support.h"
#include "ui/win32_toolbars.h"

namespace {

// How to use the program from a script, as the About box tells it.
const wchar_t kBatchUseText[] =
    L"Batch use: commands on the command line run in order, for example\r\n"
    L"Zelmora.exe LATITUDE=51.4779;LONGITUDE=-0.0015;TIMEZONE=\"GMT Standard Time\";"
    L"DATA=HOURS;SAVEAS=\"greenwich.csv\";EXIT\r\n"
    L"DATA=TIME|VELOCITY|ACCELERATION|HOURS|HOUR_VELOCITY|HOUR_ACCELERATION, "
    L"DATES=M/D-M/D or ALL, VIEW=TABLE|PLOT, SAVEAS=\"file\" (.csv or text), PRINT "
    L"(default printer), EXIT.";

// The AM/PM item flips the 12-hour clock and keeps every part of the text
// but the weekday name.
const int kAmPmKeptParts = 0x7F;

void ShowAboutBox(HWND window) {
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof box;
    box.hwndOwner = window;
    box.hInstance = programInstance;
    // The program information, and the sources of the location list with
    // the attribution their licences ask for.
    static wchar_t text[kProgramInfoLength + 2048];
    FormatText(text, sizeof text / sizeof text[0], L"%ls\r\n\r\n%ls\r\n\r\n%ls", programInfo,
               kBatchUseText, kLocationDataCredits);
    box.lpszText = text;
    box.lpszCaption = L"About Zelmora";
    box.dwStyle = MB_OK | MB_USERICON;
    box.lpszIcon = MAKEINTRESOURCEW(IDI_ZELMORA);
    MessageBoxIndirectW(&box);
}

void Redraw() {
    RedrawResults();
    RefreshStatusBar();
}

void SetView(int view) {
    if (plotView == view) return;
    plotView = view;
    RefreshChecks();
    Redraw();
}

void SetDataKind(int kind) {
    if (DataKind & kind) return;
    DataKind = kind;
    RefreshChecks();
    Redraw();
}

void ChangeMode(int lengths) {
    if (sunTimesSeries.showLengths == lengths) return;
    sunTimesSeries.showLengths = lengths;
    RefreshChecks();
    RecomputeSeries();
    RefreshSelectionControls(true); // renames its check boxes for the mode
    Redraw();
}

// Every window back to its default place and size, the toolbars in one row.
void RestoreDefaultWindows(HWND window) {
    ResetPositions();
    PlaceMainWindow(window);
    PlaceSelectionDialogAgain();
    windowPositions[kPositionHelpWindow] = PositionRect{775, 160, 1375, 625};
    windowPositions[kPositionInternetSetup] = PositionRect{775, 160, 0, 0};
    DefaultBands(bandTable);
    RecordToolbarRects();
}

void ToggleStatusBar(HWND window) {
    statusBarOn = statusBarOn ? 0 : 1;
    if (statusBarOn)
        SetTimer(window, kTimerStatusBar, kTimerPeriod, nullptr);
    else
        KillTimer(window, kTimerStatusBar);
    RefreshChecks();
}

} // namespace

void RefreshChecks() {
    if (mainWindow != nullptr) RefreshMenuChecks(mainWindow);
    RefreshSelectionControls(true);
    CheckToolbarCommand(IDM_MODE_TIMES, sunTimesSeries.showLengths == 0);
    CheckToolbarCommand(IDM_MODE_LENGTHS, sunTimesSeries.showLengths == kShowLengths);
    CheckToolbarCommand(IDM_DISPLAY_TABLE, plotView == kViewTable);
    CheckToolbarCommand(IDM_DISPLAY_PLOT, plotView == kViewPlot);
    CheckToolbarCommand(IDM_DATA_TIME, (DataKind & kDataTime) != 0);
    CheckToolbarCommand(IDM_DATA_VELOCITY, (DataKind & kDataVelocity) != 0);
    CheckToolbarCommand(IDM_DATA_ACCELERATION, (DataKind & kDataAcceleration) != 0);
}

LRESULT DispatchCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (DispatchInternetCommand(window, LOWORD(wParam))) return 0;
    // The help topics, and the web site or the downloaded program update.
    if (ShowHelpForCommand(window, LOWORD(wParam)) || RunWebSiteCommand(window, LOWORD(wParam))) {
        RefreshStatusBar();
        return 0;
    }
    switch (LOWORD(wParam)) {
    case IDM_ABOUT:
        ShowAboutBox(window);
        break;
    case IDM_EXIT:
        // Through WM_CLOSE, which waits for the update check's thread.
        SendMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    case IDM_STATUS_BAR:
        ToggleStatusBar(window);
        break;
    case IDM_AMPM:
        dateTimeFormat = (dateTimeFormat ^ kDateTimeTwelveHour) & kAmPmKeptParts;
        RefreshChecks();
        RedrawResults();
        break;
    case IDM_DISPLAY_TABLE:
        SetView(kViewTable);
        break;
    case IDM_DISPLAY_PLOT:
        SetView(kViewPlot);
        break;
    case IDM_DATA_TIME:
        SetDataKind(kDataTime);
        break;
    case IDM_DATA_VELOCITY:
        SetDataKind(kDataVelocity);
        break;
    case IDM_DATA_ACCELERATION:
        SetDataKind(kDataAcceleration);
        break;
    case IDM_MODE_TIMES:
        ChangeMode(0);
        break;
    case IDM_MODE_LENGTHS:
        ChangeMode(kShowLengths);
        break;
    case IDM_FILE_OPEN:
        OpenCommandsFile(window);
        ApplyCommandSelections();
        if (exitRequested == 1) PostMessageW(window, WM_CLOSE, 0, 0);
        Redraw();
        break;
    case IDM_FILE_SAVE:
        SaveResults(window);
        RefreshChecks();
        break;
    case IDM_FILE_SAVEAS:
        SaveResultsAs(window);
        RefreshChecks();
        break;
    case IDM_FILE_PRINT:
        PrintResults(window, kPrintAskUser);
        break;
    case IDM_SAVE_SETTINGS:
        StorePosition(window, kPositionMainWindow);
        RecordToolbarRects();
        SaveSettingsNow(settingsPath);
        RefreshChecks();
        break;
    case IDM_SUNTIMES_SELECTIONS:
        OpenSelectionDialog();
        break;
    case IDM_DEFAULT_WINDOWS:
    case IDM_DEFAULT_WINDOWS_BUTTON:
        RestoreDefaultWindows(window);
        break;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
    RefreshStatusBar();
    return 0;
}
