#include "app/file_commands.h"

#include <commdlg.h>

#include "app/program_state.h"
#include "app/repaint.h"
#include "presentation/presentation_state.h"
#include "presentation/sun_times_export.h"
#include "settings/program_options.h"
#include "settings/settings_session.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "ui/win32_status_bar.h"
#include "ui/win32_support.h"
#include "support/text_tokens.h"

namespace {

enum { kFileNameLength = MAX_PATH };

// The output file: its full path and its title (the name without the
// folder); an empty title means that none is chosen.
wchar_t outputPath[kFileNameLength] = L"";
wchar_t outputTitle[kFileNameLength] = L"";
// The name the open dialog showed last.
wchar_t openPath[kFileNameLength] = L"";

const wchar_t kFileFilter[] = L"Excel Files (*.csv)\0*.csv\0Text Files (*.txt)\0*.txt\0"
                              L"All Files (*.*)\0*.*\0";

void ForgetOutputFile() {
    outputPath[0] = L'\0';
    outputTitle[0] = L'\0';
    SetStatusBarOutputFile(nullptr);
}

void RememberOutputFile(const wchar_t* path) {
    CopyText(outputPath, kFileNameLength, path);
    CopyText(outputTitle, kFileNameLength, FileNamePart(path));
    SetStatusBarOutputFile(outputPath);
}

// Asks for a file with the common dialog, its name preset to the current
// mode's default name. False when cancelled.
bool AskForFile(HWND owner, bool save, const wchar_t* title, wchar_t* path, wchar_t* name) {
    CopyText(path, kFileNameLength, DefaultSaveName(PresentationMode()));
    name[0] = L'\0';
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFileFilter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = kFileNameLength;
    dialog.lpstrFileTitle = name;
    dialog.nMaxFileTitle = kFileNameLength;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_LONGNAMES | OFN_EXPLORER;
    return save ? GetSaveFileNameW(&dialog) != 0 : GetOpenFileNameW(&dialog) != 0;
}

// Writes the output file; a failure reports `failure` with the path and
// forgets the file, so that the next Save asks again.
bool WriteOutputFile(const wchar_t* failure) {
    SetStatusWorking(L"Working");
    const bool written = WriteSunTimesFile(outputPath, outputTitle);
    if (!written) {
        ReportError(failure, outputPath);
        ForgetOutputFile();
    }
    SetStatus(L"");
    return written;
}

} // namespace

void OpenCommandsFile(HWND owner) {
    wchar_t name[kFileNameLength];
    if (!AskForFile(owner, false, L"Open Commands File", openPath, name)) return;
    SetStatusWorking(L"Working");
    OpenCommandFile(openPath);
    SetStatus(L"");
}

void SaveResults(HWND owner) {
    if (outputTitle[0] == L'\0') {
        SaveResultsAs(owner);
        return;
    }
    WriteOutputFile(L"Failed Save File: %ls");
}

void SaveResultsAs(HWND owner) {
    ForgetOutputFile();
    wchar_t path[kFileNameLength], name[kFileNameLength];
    if (!AskForFile(owner, true, L"Save As Data", path, name)) return;
    RememberOutputFile(path);
    WriteOutputFile(L"Failed Save As File: %ls");
}

bool SaveResultsTo(const wchar_t* path) {
    wchar_t full[kFileNameLength];
    const DWORD length = path != nullptr && path[0] != L'\0'
                             ? GetFullPathNameW(path, kFileNameLength, full, nullptr)
                             : 0;
    if (length == 0 || length >= kFileNameLength) {
        ReportError(L"Failed Save As File: %ls", path != nullptr ? path : L"");
        ForgetOutputFile();
        return false;
    }
    RememberOutputFile(full);
    return WriteOutputFile(L"Failed Save As File: %ls");
}

void PrintResults(HWND owner, PrintTarget target) {
    ForgetOutputFile();
    const bool plot = plotView == kViewPlot;
    HWND text = plot ? nullptr : PrepareTextView(mainWindow);
    PrintMainDisplay(owner, target, DefaultSaveName(PresentationMode()), text, plot);
}

const wchar_t* OutputFilePath() {
    return outputPath;
}
