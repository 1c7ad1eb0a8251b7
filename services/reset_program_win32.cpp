// Running the internet reset program: it is located, started with a
// console of its own, and the keystroke lines are typed into
// that console key by key. The waits that the typing needs (seconds for the
// program to start and read) run on a worker thread of their own, so the
// window stays responsive; the window thread collects the outcome on its
// next tick.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <atomic>
#include <cwchar>

#include "services/internet_platform.h"
#include "services/internet_test.h"
#include "services/test_settings.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/file_search.h"
#include "support/text_tokens.h"
#include "support/text_case.h"

namespace {

// The waits of the typing, in milliseconds.
enum : DWORD {
    kWaitForStart = 2500,      // after the start, and again after leaving our console
    kWaitBeforeTyping = 2500,  // after attaching to the program's console
    kWaitAfterTyping = 2500,   // before the program is left to itself
    kWaitBeforeReturn = 2000,  // after a character that a carriage return follows
    kWaitAfterCharacter = 750, // after any other character
    kAttachRetryWait = 20,     // between tries to attach to a console still being made
    kAttachPatience = 5000,    // how long the console may take to appear
};
enum { kScanCodeReturn = 0x1C };

const wchar_t kResetProgramName[] = L"Internet Down Program";

struct ResetJob {
    wchar_t program[kInternetTextLength];
    wchar_t parameters[kInternetTextLength];
    KeystrokeLines keystrokes;
    wchar_t message[kErrorMessageLength];
};

ResetJob job;                              // the worker's while a reset runs
std::atomic<int> resetOutcome{kResetNone}; // written last by the worker
HANDLE worker = nullptr;

void Wait(DWORD milliseconds) {
    Sleep(static_cast<DWORD>(TestScaledMilliseconds(milliseconds)));
}

// A name with a drive ("C:...") must exist as it is; any other is looked
// up along the system's search path and made a full path.
bool LocateProgram(const wchar_t* name, wchar_t* path) {
    if (std::wcslen(name) >= 2 && name[1] == L':') {
        if (FileExists(name) != 1 || CopyText(path, kFilePathLength, name) < 0) return false;
        return true;
    }
    const DWORD length = SearchPathW(nullptr, name, nullptr, kFilePathLength, path, nullptr);
    return length > 0 && length < kFilePathLength;
}

// Attaches to the program's console, waiting while it is being made.
bool AttachToConsoleOf(DWORD processId) {
    for (DWORD waited = 0; waited <= kAttachPatience; waited += kAttachRetryWait) {
        if (AttachConsole(processId)) return true;
        Sleep(kAttachRetryWait);
    }
    return false;
}

void TypeCharacter(HANDLE input, wchar_t c) {
    INPUT_RECORD record{};
    record.EventType = KEY_EVENT;
    record.Event.KeyEvent.bKeyDown = TRUE;
    record.Event.KeyEvent.wRepeatCount = 1;
    record.Event.KeyEvent.wVirtualKeyCode = static_cast<WORD>(c);
    record.Event.KeyEvent.wVirtualScanCode =
        c == L'\r' ? static_cast<WORD>(kScanCodeReturn) : static_cast<WORD>(c);
    record.Event.KeyEvent.uChar.UnicodeChar = c;
    record.Event.KeyEvent.dwControlKeyState = 0;
    DWORD written = 0;
    WriteConsoleInputW(input, &record, 1, &written); // a key that does not arrive is not retried
}

// Types every line into the console of `process`. False after a message.
bool TypeKeystrokes(HANDLE process) {
    Wait(kWaitForStart);
    FreeConsole();
    Wait(kWaitForStart);
    if (!AttachToConsoleOf(GetProcessId(process))) {
        FormatText(job.message, kErrorMessageLength,
                   L"Failed to Attach to Process: Check LAN/Commands: \"%ls\"", job.parameters);
        return false;
    }
    Wait(kWaitBeforeTyping);
    HANDLE input =
        CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    const KeystrokeLines& keys = job.keystrokes;
    for (int line = 0; line < keys.count && input != INVALID_HANDLE_VALUE; ++line) {
        for (const wchar_t* c = keys.lines[line]; *c != L'\0'; ++c) {
            TypeCharacter(input, *c);
            Wait(c[1] == L'\r' ? kWaitBeforeReturn : kWaitAfterCharacter);
        }
    }
    if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
    FreeConsole();
    Wait(kWaitAfterTyping);
    return true;
}

// Starts the program in `folder` with a console of its own. A program file
// starts directly with the command line "<path>" <parameters>; any other file
// opens through the shell with its associated program. *process receives the
// process when there is one.
bool Launch(const wchar_t* path, const wchar_t* folder, HANDLE* process) {
    if (EndsWithIgnoringCase(path, L".exe")) {
        static wchar_t commandLine[kInternetTextLength + kFilePathLength + 4];
        const int capacity = kInternetTextLength + kFilePathLength + 4;
        if (FormatText(commandLine, capacity,
                       job.parameters[0] != L'\0' ? L"\"%ls\" %ls" : L"\"%ls\"", path,
                       job.parameters) < 0)
            return false;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOW;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(path, commandLine, nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                            folder, &startup, &started))
            return false;
        CloseHandle(started.hThread);
        *process = started.hProcess;
        return true;
    }
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    // A console of its own for the program, no message box from the shell.
    run.fMask =
        SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_NO_CONSOLE | SEE_MASK_FLAG_NO_UI;
    run.lpVerb = L"open";
    run.lpFile = path;
    run.lpParameters = job.parameters[0] != L'\0' ? job.parameters : nullptr;
    run.lpDirectory = folder;
    run.nShow = SW_SHOW;
    if (!ShellExecuteExW(&run)) return false;
    *process = run.hProcess;
    return true;
}

bool RunReset() {
    wchar_t path[kFilePathLength];
    if (!LocateProgram(job.program, path)) {
        FormatText(job.message, kErrorMessageLength, L"File Not Found: \"%ls\"", job.program);
        return false;
    }
    wchar_t folder[kFilePathLength];
    CopyText(folder, kFilePathLength, path);
    const bool hasFolder = FolderOfPath(folder);

    HANDLE process = nullptr;
    if (!Launch(path, hasFolder ? folder : nullptr, &process)) {
        FormatText(job.message, kErrorMessageLength, L"Execute Shell %ls Failed: \"%ls\"",
                   kResetProgramName, path);
        return false;
    }
    bool typed = true;
    if (job.keystrokes.count > 0 && process != nullptr) typed = TypeKeystrokes(process);
    if (process != nullptr) CloseHandle(process);
    return typed;
}

DWORD WINAPI ResetWorker(LPVOID) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const bool started = RunReset();
    if (SUCCEEDED(com)) CoUninitialize();
    resetOutcome.store(started ? kResetStarted : kResetFailed);
    return 0;
}

} // namespace

bool StartResetProgram(const wchar_t* program, const wchar_t* commandLine,
                       const KeystrokeLines& keystrokes) {
    if (resetOutcome.load() == kResetRunning) return false;
    if (worker != nullptr) {
        WaitForSingleObject(worker, INFINITE); // it has ended: only its handle is left
        CloseHandle(worker);
        worker = nullptr;
    }
    CopyText(job.program, kInternetTextLength, program != nullptr ? program : L"");
    CopyText(job.parameters, kInternetTextLength, commandLine != nullptr ? commandLine : L"");
    job.keystrokes = keystrokes;
    job.message[0] = L'\0';
    resetOutcome.store(kResetRunning);
    worker = CreateThread(nullptr, 0, ResetWorker, nullptr, 0, nullptr);
    if (worker == nullptr) {
        FormatText(job.message, kErrorMessageLength, L"Execute Shell %ls Failed: \"%ls\"",
                   kResetProgramName, job.program);
        resetOutcome.store(kResetFailed);
    }
    return true;
}

bool ResetProgramRunning() {
    return resetOutcome.load() == kResetRunning;
}

ResetOutcome TakeResetOutcome(wchar_t* message, int capacity) {
    int outcome = resetOutcome.load();
    if (outcome == kResetNone || outcome == kResetRunning)
        return static_cast<ResetOutcome>(outcome);
    CopyText(message, capacity, job.message);
    resetOutcome.store(kResetNone);
    return static_cast<ResetOutcome>(outcome);
}
