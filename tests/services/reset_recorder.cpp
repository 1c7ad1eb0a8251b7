// A console program for the tests of the internet reset: it writes its
// command line, its working folder and every key that reaches its console
// to "<its own path>.record" (appended, UTF-8), one line each:
//   command: <command line>
//   folder: <working folder>
//   key: <virtual key> <scan code> <character code>
// It ends after the line "exit", when its command line holds "quit-now"
// (after the first two lines), or after ten seconds without a key.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

FILE* record = nullptr;

void Write(const std::wstring& line) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, &bytes[0], size, nullptr, nullptr);
    std::fprintf(record, "%s\n", bytes.c_str());
    std::fflush(record);
}

} // namespace

int wmain() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    record = _wfopen((std::wstring(self) + L".record").c_str(), L"ab");
    if (record == nullptr) return 2;
    const wchar_t* commandLine = GetCommandLineW();
    Write(std::wstring(L"command: ") + commandLine);
    wchar_t folder[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, folder);
    Write(std::wstring(L"folder: ") + folder);
    if (std::wcsstr(commandLine, L"quit-now") != nullptr) return 0;

    HANDLE input =
        CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    std::wstring line;
    while (input != INVALID_HANDLE_VALUE && WaitForSingleObject(input, 10000) == WAIT_OBJECT_0) {
        INPUT_RECORD event;
        DWORD count = 0;
        if (!ReadConsoleInputW(input, &event, 1, &count) || count == 0) break;
        if (event.EventType != KEY_EVENT || !event.Event.KeyEvent.bKeyDown) continue;
        const KEY_EVENT_RECORD& key = event.Event.KeyEvent;
        Write(L"key: " + std::to_wstring(key.wVirtualKeyCode) + L" " +
              std::to_wstring(key.wVirtualScanCode) + L" " +
              std::to_wstring(static_cast<unsigned>(key.uChar.UnicodeChar)));
        if (key.uChar.UnicodeChar != L'\r') {
            line += key.uChar.UnicodeChar;
        } else if (line == L"exit") {
            break;
        } else {
            line.clear();
        }
    }
    std::fclose(record);
    return 0;
}
