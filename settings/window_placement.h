// Placing the program's windows at their remembered rectangles, and
// remembering where the user put them. Windows only.
#pragma once

#include "support/platform_types.h"

// Places the main window at entry 0, or at the default place and size when
// the entry is empty. The first call also numbers this running copy of the
// program and sets the cascade offset.
void PlaceMainWindow(HWND window);
// Places one of the other windows at its entry, or relative to its parent
// (dx -2: at the parent's right edge; dy -4 bottom on bottom, -3 top on top,
// -2 top on the parent's bottom, -1 centred, else parent top + dy).
void PlaceWindow(HWND parent, HWND window, int index, int dx, int dy);
// Remembers the window's rectangle in its entry. A minimized or maximized
// window is remembered by its normal rectangle.
void StorePosition(HWND window, int index);
// The copy number of this running program (0 for the first).
int RunningCopyNumber();
