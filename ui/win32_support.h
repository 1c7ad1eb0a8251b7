// The main window's furniture that is not a toolbar: the program's fonts and
// wait cursor, the message pump used during long work and the status line
// with its animated points (the bar that shows it: ui/win32_status_bar.h).
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

// Sets a control's or a dialog's text and background colours (WM_CTLCOLOR*)
// and returns the brush the handler hands back: the stock DC brush in the
// background colour.
HBRUSH UseColours(HDC dc, COLORREF text, COLORREF background);

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
