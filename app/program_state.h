// The program-wide state that the main window owns. The place, the
// presentation and the series live in the portable core
// (presentation/presentation_state.h, suntimes/sun_times_series.h); this is
// the Windows side of it. Windows only.
#pragma once

#include <atomic>

#include "app/program_info.h"
#include "support/platform_types.h"

extern HWND mainWindow;
extern HINSTANCE programInstance;
extern const wchar_t* commandLine;
extern HACCEL mainAccelerators;
extern wchar_t modulePath[MAX_PATH];
extern wchar_t programDir[MAX_PATH];   // always ends in a backslash
extern wchar_t settingsPath[MAX_PATH]; // the command file beside the program
extern wchar_t programInfo[kProgramInfoLength];

extern int timeZoneIndex; // position of the chosen zone in the catalogue; -1 none
extern SYSTEMTIME today;  // its year is the year computed
extern SYSTEMTIME yearStart;
extern SYSTEMTIME yearEnd;
extern SYSTEMTIME rangeStart;
extern SYSTEMTIME rangeEnd;
extern int datesChosen;

extern RECT plotRect;            // the result area: client area less the bars
extern std::atomic<int> closing; // read by the update check's thread
extern POINT dragAnchor;
extern int clickPending;
extern COLORREF textColor;
extern COLORREF windowColor;

// Sets programDir to the folder of the program file, ending in a backslash.
void SetProgramDir(const wchar_t* programFile);
