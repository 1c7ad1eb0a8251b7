// The message loop of the program's one thread. Windows only.
#pragma once

#include "support/platform_types.h"

// Runs until WM_QUIT; returns its exit code. Accelerators of the main window
// are translated, and modeless dialogs get their keyboard navigation.
int RunMessageLoop(HWND mainWindow, HACCEL accelerators);

// Modeless windows whose keyboard navigation the message loop serves.
void RegisterModelessWindow(HWND window);
void UnregisterModelessWindow(HWND window);
// True when the message belonged to a registered modeless window and was handled.
bool HandleModelessMessage(MSG* message);
