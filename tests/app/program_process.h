// Zelmora.exe started as a user starts it, from a folder of the test's own
// (its settings file lives beside it), and the windows it shows.
#pragma once

#include <windows.h>

#include <string>

#include "support/test_files.h"

// Starts the folder's copy of the program with the commands; its process, or null.
inline HANDLE StartProgram(const ScratchFolder& folder, const std::wstring& commands) {
    std::wstring line = L"\"" + folder.Path(L"Zelmora.exe") + L"\" " + commands;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.Path(L"").c_str(), &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// A top-level window of the process with this class (and title, unless
// null), waited for up to ten seconds; null when none came.
inline HWND WindowOfProcess(HANDLE process, const wchar_t* className, const wchar_t* title) {
    for (int i = 0; i < 200; Sleep(50), ++i) {
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, className, title)) != nullptr;) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == GetProcessId(process)) return w;
        }
    }
    return nullptr;
}
