// zelmora_gui_timing: creates the main window in this process, as Zelmora.exe
// does, and times with the performance counter what the user waits for:
// repainting the table of a whole year, a zoom click on the plot, and the
// series recomputation alone. Prints the median of each over a number of runs.
//   zelmora_gui_timing [RUNS]   (20 when not given)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "app/bars.h"
#include "app/commands.h"
#include "app/main_window.h"
#include "app/repaint.h"
#include "app/selection_range.h"
#include "app/program_state.h"
#include "presentation/presentation_state.h"
#include "presentation/sun_times_export.h"
#include "resources/resource_ids.h"
#include "settings/command_runner.h"
#include "support/bounded_format.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"

namespace {

LARGE_INTEGER frequency;

double NowMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Command(HWND window, int id) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    UpdateWindow(window);
    Pump();
}

int YearLast() {
    return IsLeapYear(today.wYear) ? 365 : 364;
}

void Print(const wchar_t* format, ...) {
    wchar_t line[256];
    va_list args;
    va_start(args, format);
    FormatTextV(line, 256, format, args);
    va_end(args);
    fputws(line, stdout);
    fflush(stdout);
}

// Median, lowest and highest of the runs, in milliseconds.
void Report(const wchar_t* what, std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    const size_t n = runs.size();
    const double median = n % 2 ? runs[n / 2] : (runs[n / 2 - 1] + runs[n / 2]) / 2.0;
    Print(L"%-44ls median %8.3f ms  (min %.3f, max %.3f, %d runs)\n", what, median, runs.front(),
          runs.back(), static_cast<int>(n));
}

// (a) The whole year's table rebuilt and repainted.
std::vector<double> TableRepaints(HWND window, int runs) {
    Command(window, IDM_DISPLAY_TABLE);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double begin = NowMs();
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        times.push_back(NowMs() - begin);
        Pump();
    }
    return times;
}

// (b) A left click at the plot's centre: half the range recomputed and redrawn.
std::vector<double> ZoomClicks(HWND window, int runs) {
    Command(window, IDM_DISPLAY_PLOT);
    const LPARAM centre =
        MAKELPARAM((plotRect.left + plotRect.right) / 2, (plotRect.top + plotRect.bottom) / 2);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double begin = NowMs();
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        SendMessageW(window, WM_LBUTTONUP, 0, centre);
        UpdateWindow(window);
        times.push_back(NowMs() - begin);
        ApplyRange(0, YearLast());
        UpdateWindow(window);
        Pump();
    }
    return times;
}

// (c) The series of the whole year computed afresh, nothing drawn.
std::vector<double> Recomputations(int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        InvalidateSunTimesCache();
        const double begin = NowMs();
        RecomputeSeries();
        times.push_back(NowMs() - begin);
    }
    return times;
}

// (d) The whole year saved as a file in each presentation mode, CSV and text.
void Saves(int runs) {
    wchar_t folder[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const int modes[] = {kModeTime, kModeVelocity, kModeAcceleration,
                         kModeHours, kModeHourVelocity, kModeHourAcceleration};
    for (const wchar_t* title : {L"zelmora_timing.csv", L"zelmora_timing.txt"}) {
        FormatText(path, MAX_PATH, L"%ls%ls", folder, title);
        for (int mode : modes) {
            DataKind = mode & ~kShowLengths;
            if (sunTimesSeries.showLengths != (mode & kShowLengths)) {
                sunTimesSeries.showLengths = mode & kShowLengths;
                RecomputeSeries();
            }
            std::vector<double> times;
            for (int i = 0; i < runs; ++i) {
                const double begin = NowMs();
                WriteSunTimesFile(path, title);
                times.push_back(NowMs() - begin);
            }
            wchar_t what[64];
            FormatText(what, 64, L"(d) save the year as %ls, mode %d", title + 15, mode);
            Report(what, times);
        }
        DeleteFileW(path);
    }
    DataKind = kDataTime;
    sunTimesSeries.showLengths = 0;
    RecomputeSeries();
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc >= 2 && _wtoi(argv[1]) > 0 ? _wtoi(argv[1]) : 20;
    QueryPerformanceFrequency(&frequency);
    programInstance = GetModuleHandleW(nullptr);
    // The settings of a timing run stay in a folder of their own.
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    SetProgramDir(folder);
    RunCommands(L"UPDATESITE=OFF", nullptr); // a timing run looks for no update
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_COOL_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterMainWindowClass(programInstance)) {
        Print(L"zelmora_gui_timing: cannot register the main window class\n");
        return 1;
    }
    const double createBegin = NowMs();
    HWND window = CreateMainWindow(programInstance);
    if (window == nullptr) {
        Print(L"zelmora_gui_timing: cannot create the main window (is DISPLAY set?)\n");
        return 1;
    }
    mainAccelerators = LoadAcceleratorsW(programInstance, MAKEINTRESOURCEW(IDA_ZELMORA));
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    Pump();
    const double created = NowMs() - createBegin;

    Print(L"Main window in process, %d days shown, %d runs each:\n", sunTimesSeries.dayCount, runs);
    Print(L"%-44ls        %8.3f ms  (once)\n", L"create, show and first paint", created);
    Report(L"(a) repaint the table of the whole year", TableRepaints(window, runs));
    Report(L"(b) zoom click in the plot, with its paint", ZoomClicks(window, runs));
    Report(L"(c) recompute the series of the whole year", Recomputations(runs));
    Saves(runs);

    Command(window, IDM_DISPLAY_PLOT); // the text view goes before the window
    DestroyWindow(window);
    Pump();
    return 0;
}
