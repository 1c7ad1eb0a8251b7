// The main window's bars: toolbars in the rebar above, the status bar below.
// Windows only.
#pragma once

#include "support/platform_types.h"

// Redraws the status bar with an empty status text (the dots go on).
void RefreshStatusBar();
// After a size change: the rebar follows, the status bar is made anew and
// the result area is laid out between them.
void LayOutBars(HWND window);
// The toolbars' rectangles to and from the remembered window positions.
void RestoreToolbarRects();
void RecordToolbarRects();
