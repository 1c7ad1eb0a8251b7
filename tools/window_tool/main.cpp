// zelmora-window: starts Zelmora and waits until it has painted its first
// result, shows the table, or closes it cleanly; used by the screenshot
// script and the start-up timing.
//   zelmora-window start PROGRAM [TIMEOUT_MS]  prints the milliseconds to the first paint
//   zelmora-window table [TIMEOUT_MS]          switches to the table, prints the milliseconds
//   zelmora-window text [LINES]                prints the first lines of the shown table
//   zelmora-window close [TIMEOUT_MS]          asks the main window to close, waits for it
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "support/bounded_format.h"

namespace {

const wchar_t kMainWindowClass[] = L"ZELMORA";
const int kTextViewId = 1123;
const int kShowTableCommand = 32790;

HWND FindMainWindow() {
    return FindWindowW(kMainWindowClass, nullptr);
}

// Start-up ends by opening the selection dialog; the result is painted once
// nothing of the main window waits to be painted any more.
bool FirstResultPainted() {
    HWND window = FindMainWindow();
    if (window == nullptr || !IsWindowVisible(window)) return false;
    HWND dialog = FindWindowW(nullptr, L"Select Latitude, Longitude and Dates");
    if (dialog == nullptr || GetWindow(dialog, GW_OWNER) != window) return false;
    return !GetUpdateRect(window, nullptr, FALSE);
}

bool TableShown() {
    HWND window = FindMainWindow();
    if (window == nullptr) return false;
    HWND text = GetDlgItem(window, kTextViewId);
    // Asked by message: for another process's window the caption shortcut
    // would not see an edit control's text.
    return text != nullptr && SendMessageW(text, WM_GETTEXTLENGTH, 0, 0) > 0 &&
           IsWindowVisible(window);
}

int Start(const wchar_t* program, DWORD timeout) {
    // The program looks for no update while it is measured.
    wchar_t commandLine[MAX_PATH + 32];
    FormatText(commandLine, MAX_PATH + 32, L"\"%ls\" UPDATESITE=OFF", program);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, begin, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        fwprintf(stderr, L"zelmora-window: cannot start %ls (error %lu)\n", program,
                 GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);
    for (;;) {
        QueryPerformanceCounter(&now);
        double elapsed = 1000.0 * (now.QuadPart - begin.QuadPart) / frequency.QuadPart;
        if (FirstResultPainted()) {
            wprintf(L"%.0f\n", elapsed);
            CloseHandle(process.hProcess);
            return 0;
        }
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            fwprintf(stderr, L"zelmora-window: the program ended before showing its table\n");
            return 1;
        }
        if (elapsed > timeout) {
            fwprintf(stderr, L"zelmora-window: no table after %lu ms\n", timeout);
            return 1;
        }
        Sleep(5);
    }
}

// The text view's text, read by message (it lives in the program's process).
int PrintText(int lines) {
    HWND window = FindMainWindow();
    HWND text = window != nullptr ? GetDlgItem(window, kTextViewId) : nullptr;
    if (text == nullptr) {
        fwprintf(stderr, L"zelmora-window: no table is shown\n");
        return 1;
    }
    const LRESULT length = SendMessageW(text, WM_GETTEXTLENGTH, 0, 0);
    wchar_t* buffer = new wchar_t[length + 1];
    SendMessageW(text, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                 reinterpret_cast<LPARAM>(buffer));
    buffer[length] = L'\0';
    int shown = 0;
    for (const wchar_t* p = buffer; *p != L'\0' && shown < lines; ++p) {
        if (*p == L'\r') continue;
        fputwc(*p, stdout);
        if (*p == L'\n') ++shown;
    }
    delete[] buffer;
    return 0;
}

int ShowTable(DWORD timeout) {
    HWND window = FindMainWindow();
    if (window == nullptr) return 1;
    const DWORD begin = GetTickCount();
    PostMessageW(window, WM_COMMAND, kShowTableCommand, 0);
    while (!TableShown()) {
        if (GetTickCount() - begin > timeout) {
            fwprintf(stderr, L"zelmora-window: no table after %lu ms\n", timeout);
            return 1;
        }
        Sleep(5);
    }
    wprintf(L"%lu\n", GetTickCount() - begin);
    return 0;
}

int Close(DWORD timeout) {
    HWND window = FindMainWindow();
    if (window == nullptr) return 0;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD result = process != nullptr ? WaitForSingleObject(process, timeout) : WAIT_FAILED;
    if (process != nullptr) CloseHandle(process);
    if (result != WAIT_OBJECT_0) {
        fwprintf(stderr, L"zelmora-window: the program did not end within %lu ms\n", timeout);
        return 1;
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 3 && wcscmp(argv[1], L"start") == 0)
        return Start(argv[2], argc >= 4 ? static_cast<DWORD>(_wtoi(argv[3])) : 20000);
    if (argc >= 2 && wcscmp(argv[1], L"table") == 0)
        return ShowTable(argc >= 3 ? static_cast<DWORD>(_wtoi(argv[2])) : 10000);
    if (argc >= 2 && wcscmp(argv[1], L"text") == 0)
        return PrintText(argc >= 3 ? _wtoi(argv[2]) : 30);
    if (argc >= 2 && wcscmp(argv[1], L"close") == 0)
        return Close(argc >= 3 ? static_cast<DWORD>(_wtoi(argv[2])) : 10000);
    fwprintf(stderr, L"usage: zelmora-window start PROGRAM [TIMEOUT_MS] | table [TIMEOUT_MS] | "
                     L"text [LINES] | close [TIMEOUT_MS]\n");
    return 2;
}
