// The main window's furniture that is not a toolbar: the program's fonts and
// wait cursor, the message pump used during long work, the status line with
// its animated points, the status bar and the division of the client area.
#pragma once

#include <windows.h>

#include "ui/status_dots.h"

// ---- Fonts and cursor (created once by CreateFonts, live for the run) ----

extern HFONT helpHandoverFont; // "Times New Roman" 16/8/400, handed to the help window
extern HFONT statusBarFont;    // "Segoe UI" 16/6/400, status bar text
extern HFONT tableFont;        // "Courier New" 16/12/700, table text view
extern HFONT smallFixedFont;   // "Courier New" 12/7/400, help text and printed table
extern HFONT plotLabelFont;    // "Segoe UI" 12/8/700, plot labels
extern HCURSOR waitCursor;     // the system's IDC_WAIT

// Creates the five fonts and loads the wait cursor. Returns 1, or 0 after a
// report when a font could not be made.
int CreateFonts();

// ---- Message pump ----

// The window whose accelerators the pump translates, and its table. Set once
// the main window exists.
void SetPumpTarget(HWND mainWindow, HACCEL accelerators);

// Removes and dispatches up to `count` pending messages; stops early when
// none is pending. A WM_QUIT it meets is posted again (same exit code) and
// ends the pump, so the main loop still sees it. Returns the number handled.
int PumpMessages(int count);

// ---- Status line ----

struct StatusLineState {
    wchar_t text[kStatusChars]; // the current operation's text
    wchar_t line[kStatusChars]; // the text followed by 1-5 points, drawn on line 1
    StatusDots dots;
};
extern StatusLineState statusLine;

// Sets the status text (empty format = empty text); when the status bar
// exists also advances the points and hands the line to the bar.
void SetStatus(const wchar_t* format, ...);
// As SetStatus, after showing the wait cursor.
void SetStatusWorking(const wchar_t* format, ...);
// Advances the points by the system tick count (timer 0 of the main window
// redraws the bar only when this returns 1).
int AdvanceDots();
// The same with a given tick count in milliseconds.
int AdvanceDotsAt(DWORD tickCount);
// Hands the status line to the status bar and has it redrawn (after
// AdvanceDots returned 1).
void ShowStatusLine();

// ---- Status bar ----

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
