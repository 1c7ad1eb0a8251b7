#include "app/update_commands.h"

#include <shellapi.h>

#include "app/program_info.h"
#include "app/program_state.h"
#include "resources/resource_ids.h"
#include "services/update_check.h"
#include "services/test_settings.h"
#include "services/update_site.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "ui/web_site.h"
#include "ui/win32_support.h"
#include "ui/win32_toolbars.h"

namespace {

enum { kWaitStep = 20, kMessagesPerStep = 10 };

void InstallUpdate(HWND window) {
    const wchar_t* setup = OfferedSetupPath();
    if (PathKindAt(setup) != kPathFile) return;
    // The setup installs into this program's folder: "/D=<folder>" without
    // its closing backslash, last on the line and unquoted.
    wchar_t parameters[MAX_PATH + 4];
    FormatText(parameters, MAX_PATH + 4, L"/D=%ls", programDir);
    const int length = lstrlenW(parameters);
    if (length > 3 && parameters[length - 1] == L'\\') parameters[length - 1] = L'\0';
    const INT_PTR started = reinterpret_cast<INT_PTR>(
        ShellExecuteW(window, L"open", setup, parameters, programDir, SW_SHOWNORMAL));
    if (started <= 32) {
        ReportError(L"Failed Update Program Setup: %ls", setup);
        return;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
}

} // namespace

void StartProgramUpdateCheck(HWND mainWindow) {
    if (UpdateSite()[0] == L'\0') return;
    // Under the tests' setting only sites on this computer are asked.
    if (LoopbackAddressesOnly() && !IsLoopbackAddress(UpdateSite())) return;
    UpdateCheckSetup setup{};
    setup.site = UpdateSite();
    setup.programDir = programDir;
    setup.programName = kProgramName;
    setup.versionPrefix = L"V";
    setup.own = {kVersionMajor, kVersionMinor};
    setup.menu = GetMenu(mainWindow);
    setup.toolbar = bandTable[kFileToolbar].toolbar;
    setup.closing = &closing;
    setup.stallLimit = kUpdateStallLimit;
    StartUpdateCheck(setup);
}

void WaitForProgramUpdateCheck() {
    while (UpdateCheckRunning()) {
        PumpMessages(kMessagesPerStep);
        Sleep(kWaitStep);
    }
}

bool RunWebSiteCommand(HWND mainWindow, int command) {
    if (command != IDM_WEB_SITE) return false;
    if (CurrentUpdateState() == kUpdateOffered) {
        InstallUpdate(mainWindow);
        return true;
    }
    const INT_PTR opened = reinterpret_cast<INT_PTR>(
        ShellExecuteW(mainWindow, L"open", kWebSiteAddress, nullptr, programDir, SW_SHOWNORMAL));
    if (opened <= 32) ReportError(L"Failed URL Open: %ls", kWebSiteAddress);
    return true;
}
