// The main window: its class, its window procedure and the operations other
// parts of the program ask of it. Windows only.
#pragma once

#include "support/platform_types.h"

// Timers of the main window, all of one second.
enum MainWindowTimer { kTimerStatusDots = 0, kTimerStatusBar = 1, kTimerInternetTest = 2 };
enum { kTimerPeriod = 1000, kMinimumTrackWidth = 526, kMinimumTrackHeight = 452 };
enum { kDefaultMainWidth = 700, kDefaultMainHeight = 550 };
// The view shown after start-up: the plot.
enum { kStartView = 1 };

bool RegisterMainWindowClass(HINSTANCE instance);
// Creates the main window at its remembered rectangle or the default one.
HWND CreateMainWindow(HINSTANCE instance);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Invalidates the result area so that the next paint redraws the table or the plot.
void RedrawResults();
// Shows days [startDay, endDay] of the year: converts them back into the
// range dates, recomputes the series and redraws. False (with a report) when
// no time zone is chosen or a day does not convert.
bool ApplyRange(int startDay, int endDay);
// Recomputes the series for the current year in the chosen zone.
int RecomputeSeries();

// Start-up and shut-down steps (WM_CREATE, WM_CLOSE, WM_DESTROY).
LRESULT OnCreateMainWindow(HWND window);
LRESULT OnCloseMainWindow(HWND window, WPARAM wParam, LPARAM lParam);
void OnDestroyMainWindow(HWND window);
// WM_PAINT.
void PaintMainWindow(HWND window);
// Mouse messages on the plot: zoom and pan. Returns true when handled.
void HandlePlotMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// WM_COMMAND after the pending error is cleared.
LRESULT DispatchCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Menu check marks and toolbar button states after a change of state.
void RefreshChecks();

// The bars around the result area.
// Redraws the status bar with an empty status text (the dots go on).
void RefreshStatusBar();
// After a size change: the rebar follows, the status bar is made anew and
// the result area is laid out between them.
void LayOutBars(HWND window);
// The toolbars' rectangles to and from the remembered window positions.
void RestoreToolbarRects();
void RecordToolbarRects();
// The text view control while the table is shown, else null.
HWND TextViewControl();
// Destroys the text view (the main window is going away).
void ForgetTextView();
