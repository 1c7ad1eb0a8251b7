#include "app/internet_commands.h"

#include <windows.h>

#include "app/bars.h"
#include "app/commands.h"
#include "app/program_state.h"
#include "resources/resource_ids.h"
#include "services/connection_probe.h"
#include "services/internet_platform.h"
#include "services/internet_setup_dialog.h"
#include "services/internet_status.h"
#include "services/internet_test.h"
#include "services/view_error_log.h"
#include "support/error_log.h"
#include "ui/win32_status_bar.h"
#include "ui/win32_toolbars.h"

namespace {

// The state whose picture the toolbar button shows; none at first.
bool buttonShown = false;
uint32_t shownState = 0;

void ShowButtonState() {
    const uint32_t state = ConnectionState();
    if (buttonShown && state == shownState) return;
    buttonShown = true;
    shownState = state;
    SetInternetButtonImage(state);
}

void Tick(int event) {
    InternetTick(event, GetTickCount64());
    ShowButtonState();
}

} // namespace

void PrepareInternetTest() {
    ApplyInternetDefaults();
    statusBarLeftColumnPainter = PaintInternetStatus;
}

void StartInternetTestAtStartUp(HWND) {
    if (logRequestedState != kLogOff)
        Tick(logRequestedState == kLogOnAndClear ? kTickLogOnAndClear : kTickLogOn);
    else
        Tick(kTickPlain);
    RefreshStatusBar();
}

void OnInternetTestTimer(HWND) {
    Tick(kTickPlain);
    RefreshStatusBar();
}

bool KeepsPendingError(int command) {
    return command == IDM_INTERNET_RESET_DONE || command == IDM_INTERNET_SELF_RESET;
}

bool DispatchInternetCommand(HWND window, int command) {
    switch (command) {
    case IDM_ERROR_LOGGING:
        Tick(logRequestedState != kLogOff ? kTickLogOff : kTickLogOn);
        RefreshChecks();
        break;
    case IDM_ERROR_LOG_CLEAR:
        Tick(kTickLogOnAndClear);
        RefreshChecks();
        break;
    case IDM_VIEW_ERROR_LOG:
        ViewErrorLog();
        break;
    case IDM_INTERNET_SETUP_BUTTON:
    case IDM_INTERNET_SETUP:
        RunInternetSetupDialog(window);
        ShowButtonState();
        InvalidateRect(window, &plotRect, FALSE);
        break;
    case IDM_INTERNET_RESET_DONE:
    case IDM_INTERNET_SELF_RESET:
        break;
    default:
        return false;
    }
    RefreshStatusBar();
    return true;
}

void EndInternetTestAtExit() {
    if (logRequestedState != kLogOff || logCurrentState != kLogNotLogging)
        InternetTick(kTickLogOff, GetTickCount64());
    EndInternetTest(GetTickCount64());
}

void SendSelfResetCommand() {
    if (mainWindow != nullptr) PostMessageW(mainWindow, WM_COMMAND, IDM_INTERNET_SELF_RESET, 0);
}
