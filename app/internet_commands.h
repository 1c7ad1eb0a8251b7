// The internet test and the error log in the main window: start-up, the
// one-second tick with the toolbar button's picture, the menu and toolbar
// commands, and the end. Windows only.
#pragma once

#include "support/platform_types.h"

// Before the settings file is read: the test's defaults, and its lines in
// the status bar.
void PrepareInternetTest();
// After the command line: logging switched on when the settings asked for
// it (with its start record), then the first tick.
void StartInternetTestAtStartUp(HWND window);
// Timer 2: one tick, the status bar redrawn, the button's picture changed
// when the state did.
void OnInternetTestTimer(HWND window);
// The commands of the error log and the internet test (the Options menu's
// "&Error Logging", "Error Log On and &Clear", "&View Error Log" and
// "&Internet Test Setup", the File toolbar's "Internet Test Setup", and the
// setup dialog's notices). True when `command` was one of them.
bool DispatchInternetCommand(HWND window, int command);
// True for the commands that must leave a pending error to be shown.
bool KeepsPendingError(int command);
// WM_DESTROY: logging off (with its stop record), the last state logged,
// the requests closed.
void EndInternetTestAtExit();
