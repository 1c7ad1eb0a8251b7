// The main window: its class, its window procedure, and the redraw of its
// result area. Windows only.
#pragma once

#include "presentation/presentation_state.h"
#include "support/platform_types.h"

// Timers of the main window, all of one second.
enum MainWindowTimer { kTimerStatusDots = 0, kTimerStatusBar = 1, kTimerInternetTest = 2 };
enum { kTimerPeriod = 1000, kMinimumTrackWidth = 526, kMinimumTrackHeight = 452 };
// The view shown after start-up.
enum { kStartView = kViewPlot };

bool RegisterMainWindowClass(HINSTANCE instance);
// Creates the main window at its remembered rectangle or the default one.
HWND CreateMainWindow(HINSTANCE instance);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Invalidates the result area so that the next paint redraws the table or the plot.
void RedrawResults();
