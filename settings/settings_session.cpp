#include "settings/settings_session.h"

#include <cwchar>

#include "app/program_info.h"
#include "settings/command_runner.h"
#include "settings/program_options.h"
#include "settings/settings_file.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/text_lines.h"
#include "support/text_case.h"

const wchar_t kSettingsNotSavedText[] =
    L"Settings file could not be read at start-up: not overwritten";

namespace {

bool settingsFileUnreadable = false;

// Appends the start-up step's name to the message of a failed command, when
// that message is the one pending (not one that was there before).
void NameStartUpStep(bool pendingBefore, const wchar_t* step) {
    if (pendingBefore || !HasPendingError()) return;
    SetAppendNext();
    ReportError(L"%ls", step);
}

} // namespace

int FormSettingsPath(const wchar_t* programDir, wchar_t* path, int capacity) {
    if (programDir == nullptr) programDir = L"";
    const size_t length = std::wcslen(programDir);
    const bool separated =
        length == 0 || programDir[length - 1] == L'\\' || programDir[length - 1] == L'/';
    return FormatText(path, capacity, L"%ls%ls%ls.ini", programDir, separated ? L"" : L"\\",
                      kProgramName);
}

int LoadSettingsAtStartUp(const wchar_t* path) {
    settingsFileUnreadable = false;
    if (PathKindAt(path) == kPathMissing) return 0;
    const bool pendingBefore = HasPendingError();
    const int result = ReadSettingsFile(path);
    if (result == kSettingsUnreadable) settingsFileUnreadable = true;
    if (result < 0) NameStartUpStep(pendingBefore, L" - INI File Parameter");
    return result;
}

bool SettingsFileUnreadable() {
    return settingsFileUnreadable;
}

int RunCommandLine(const wchar_t* commandLine) {
    const bool pendingBefore = HasPendingError();
    const int result = RunCommands(commandLine, nullptr);
    if (result == kCommandsExitRequest) exitRequested = 1;
    if (result < 0) NameStartUpStep(pendingBefore, L" - Command Line Parameter");
    return result;
}

int OpenCommandFile(const wchar_t* path) {
    if (path == nullptr) path = L"";
    if (EndsWithIgnoringCase(path, L".ini")) {
        if (PathKindAt(path) != kPathFile) {
            ReportError(L"Failed File Open: %ls", path);
            return kSettingsUnreadable;
        }
        const int result = ReadSettingsFile(path);
        if (result == kSettingsUnreadable) ReportError(L"Failed File Open: %ls", path);
        return result;
    }
    wchar_t reference[kTextLineLength];
    if (FormatText(reference, kTextLineLength, L"<%ls", path) < 0) {
        ReportError(L"Failed File Open: %ls", path);
        return kCommandsFailed;
    }
    const int result = RunCommands(reference, nullptr);
    if (result == kCommandsExitRequest) exitRequested = 1;
    return result;
}

SettingsSaveResult SaveSettingsNow(const wchar_t* path) {
    if (!WriteSettingsFile(path)) return kSettingsSaveFailed;
    settingsFileUnreadable = false;
    return kSettingsSaved;
}

SettingsSaveResult SaveSettingsAtExit(const wchar_t* path) {
    if (settingsFileUnreadable) return kSettingsSaveSkipped;
    return SaveSettingsNow(path);
}
