// Start-up (WM_CREATE) and shut-down (WM_CLOSE, WM_DESTROY) of the main window.
#include "app/lifecycle.h"

#include "app/bars.h"
#include "app/batch_actions.h"
#include "app/commands.h"
#include "app/internet_commands.h"
#include "app/main_window.h"
#include "app/menus.h"
#include "app/repaint.h"
#include "app/selection_dialog.h"
#include "app/selection_dialog_year.h"
#include "app/update_commands.h"
#include "app/program_state.h"
#include "presentation/presentation_state.h"
#include "services/help_text.h"
#include "services/search_history.h"
#include "settings/program_options.h"
#include "settings/settings_session.h"
#include "settings/window_placement.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"
#include "ui/win32_support.h"
#include "ui/win32_toolbars.h"

LRESULT OnCreateMainWindow(HWND window) {
    mainWindow = window;
    CreateFonts();
    textColor = GetSysColor(COLOR_WINDOWTEXT);
    windowColor = GetSysColor(COLOR_WINDOW);
    BuildProgramInfo(programInfo, kProgramInfoLength);

    GetLocalTime(&today);
    SetYearBounds(today, &yearStart, &yearEnd);
    DataKind = kDataTime;
    plotView = kStartView;

    BuildMenus(window);
    SetPumpTarget(window, mainAccelerators);
    RestoreToolbarRects();
    CreateToolbars(window);
    RecordToolbarRects();
    BuildHelpText(programInfo);
    LayOutBars(window);

    // A first year in the computer's own zone, shown until a zone is chosen.
    SetSunTimesDateRange(yearStart, yearEnd);
    CalcSunTimesSeries(today.wYear, nullptr, siteLatitude, siteLongitude);

    UpdateWindow(window);
    SetStatusWorking(L"Initializing");
    SetTimer(window, kTimerStatusDots, kTimerPeriod, nullptr);

    // The settings file beside the program, then the command line.
    InstallBatchActions();
    FormSettingsPath(programDir, settingsPath, MAX_PATH);
    PrepareInternetTest();
    LoadSettingsAtStartUp(settingsPath);
    PumpMessages(10);
    RunCommandLine(commandLine);
    RefreshChecks();
    if (statusBarOn == 1) SetTimer(window, kTimerStatusBar, kTimerPeriod, nullptr);
    StartInternetTestAtStartUp(window);
    SetTimer(window, kTimerInternetTest, kTimerPeriod, nullptr);
    PumpMessages(10);

    // The dialog chooses the zone and computes the first real result.
    OpenSelectionDialog();
    if (exitRequested == 1) PostMessageW(window, WM_CLOSE, 0, 0);
    // A run that ends by itself (EXIT) does not look for updates.
    if (exitRequested != 1) StartProgramUpdateCheck(window);
    // A settings file that could not be read is not overwritten at exit.
    SetStatus(SettingsFileUnreadable() ? kSettingsNotSavedText : L"");
    InvalidateRect(window, &plotRect, TRUE);
    return 0;
}

LRESULT OnCloseMainWindow(HWND window, WPARAM wParam, LPARAM lParam) {
    // The update check's downloads and waits end at once; its thread is
    // waited for while the window's messages are handled.
    closing.store(1);
    WaitForProgramUpdateCheck();
    closing.store(0);
    return DefWindowProcW(window, WM_CLOSE, wParam, lParam);
}

void OnDestroyMainWindow(HWND window) {
    StorePosition(window, kPositionMainWindow);
    RecordToolbarRects();
    SaveSettingsAtExit(settingsPath);
    EndInternetTestAtExit();
    ClearSearchHistory();
    ClearTimeZoneCatalogue();
    ForgetTextView();
    mainWindow = nullptr;
    PostQuitMessage(0);
}
