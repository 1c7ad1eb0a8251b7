// The owner-drawn status bar below the result area, three lines high: the
// status line, the output file and a pending error beside the internet
// test's column, and the division of the client area between the bars.
#pragma once

#include <windows.h>

extern HWND statusBarWindow;    // control 3 of the main window, or null
extern int statusBarLineHeight; // text height of statusBarFont: one of the bar's three lines

// Destroys an existing status bar and creates a new one on `parent` (called
// on every WM_SIZE of the main window). Returns the window, or null after a report.
HWND CreateStatusBar(HWND parent);

// The result area: the client rectangle less the rebar above (and a 4 pixel
// gap) and the status bar below.
void LayOutClientArea(HWND mainWindow, HWND rebar, RECT* plotRect);

// The output file that line 2 of the status bar names; null or "" for none.
void SetStatusBarOutputFile(const wchar_t* path);

// Lines 2 and 3 of the status bar's left column belong to the internet test:
// its connection text on line 2 and the date and time on line 3, each
// `lineHeight` high from `part.top + lineHeight`, starting at `part.left + 1`.
// The test sets this once it runs (and logs a pending error there); it must
// leave the device context's text colour as it found it. Null draws nothing.
typedef void (*StatusBarLeftColumnPainter)(HDC dc, const RECT& part, int lineHeight);
extern StatusBarLeftColumnPainter statusBarLeftColumnPainter;

// The main window's state that the status bar shows.
struct StatusBarView {
    COLORREF windowColor;
    COLORREF textColor;
    int statusBarOn; // the "&Status Bar" option
    HWND mainWindow; // receives kShowPendingErrorMessage
};

// Posted to the main window when the status bar option is off and an error
// is pending: the main window calls ShowPostedError from its message loop.
enum : UINT { kShowPendingErrorMessage = WM_APP + 1 };

// WM_DRAWITEM of the main window. Draws part 0 of the status bar and returns
// TRUE; returns FALSE for an item that is not the status bar (under Wine the
// item's CtlType is not reliable, so the bar is recognised by its window).
// With the option off, a pending error is taken and handed to the main
// window by kShowPendingErrorMessage; no message box opens while drawing.
BOOL DrawStatusBar(const DRAWITEMSTRUCT* item, const StatusBarView& view);

// Handles kShowPendingErrorMessage: shows the handed-over error in one
// message box titled "Error" owned by `owner`. A call while that box is open
// returns at once; a later error waits pending until the box is closed.
void ShowPostedError(HWND owner);
