// Programs started as a user starts them: Zelmora.exe from a folder of the
// test's own (its settings file lives beside it), the windows they show, and
// waiting for what they do.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "support/test_files.h"
#include "ui/ui_test_window.h"

// Starts a command line in a folder (or the test's own); its process, or null.
inline HANDLE StartCommand(std::wstring line, const std::wstring& folder = L"") {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// Starts the folder's copy of the program with the commands; its process, or null.
inline HANDLE StartProgram(const ScratchFolder& folder, const std::wstring& commands) {
    return StartCommand(L"\"" + folder.Path(L"Zelmora.exe") + L"\" " + commands, folder.Path(L""));
}

// Runs a command line to its end: its exit code, or -1 when it did not end in time.
inline int RunToEnd(const std::wstring& line, const std::wstring& folder = L"",
                    DWORD limit = 30000) {
    HANDLE process = StartCommand(line, folder);
    if (process == nullptr) return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process, limit) == WAIT_OBJECT_0)
        GetExitCodeProcess(process, &code);
    else
        TerminateProcess(process, 1);
    CloseHandle(process);
    return static_cast<int>(code);
}

// Whether the condition came true within `ms` milliseconds.
template <typename Condition> bool WaitFor(Condition done, int ms) {
    for (int waited = 0; waited < ms; waited += 20) {
        if (done()) return true;
        Sleep(20);
    }
    return done();
}

// A top-level window of the process with this class (and title, unless
// null), waited for up to `ms` milliseconds; null when none came.
inline HWND WindowOfProcess(HANDLE process, const wchar_t* className, const wchar_t* title,
                            int ms = 10000) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            found = uitest::TopLevelWindowOf(GetProcessId(process), className, title);
            return found != nullptr;
        },
        ms);
    return found;
}

inline std::string Narrow(const std::wstring& text) {
    return std::filesystem::path(text).u8string();
}
