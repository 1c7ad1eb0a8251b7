#include "app/program_state.h"

#include "support/bounded_format.h"

HWND mainWindow = nullptr;
HINSTANCE programInstance = nullptr;
const wchar_t* commandLine = L"";
HACCEL mainAccelerators = nullptr;
wchar_t modulePath[MAX_PATH] = L"";
wchar_t programDir[MAX_PATH] = L"";
wchar_t settingsPath[MAX_PATH] = L"";
wchar_t programInfo[kProgramInfoLength] = L"";

int timeZoneIndex = -1;
SYSTEMTIME today;
SYSTEMTIME yearStart;
SYSTEMTIME yearEnd;
SYSTEMTIME rangeStart;
SYSTEMTIME rangeEnd;
int datesChosen = 0;

RECT plotRect;
std::atomic<int> closing{0};
POINT dragAnchor;
int clickPending = 0;
COLORREF textColor;
COLORREF windowColor;

void SetProgramDir(const wchar_t* programFile) {
    CopyText(programDir, MAX_PATH, programFile);
    wchar_t* cut = programDir;
    for (wchar_t* p = programDir; *p != L'\0'; ++p)
        if (*p == L'\\') cut = p + 1;
    *cut = L'\0';
    const int length = lstrlenW(programDir);
    if (length == 0 || programDir[length - 1] != L'\\') {
        int end = length;
        AppendText(programDir, MAX_PATH, end, L"\\");
    }
}
