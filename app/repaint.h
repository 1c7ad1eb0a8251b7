// WM_PAINT of the main window: the table in the text view, or the plot.
// Windows only.
#pragma once

#include "support/platform_types.h"

void PaintMainWindow(HWND window);
// The text view control while the table is shown, else null.
HWND TextViewControl();
// Creates or places the text view over the result area and fills it with
// the current table (left as it is when the text is the same); returns it,
// or null when it could not be made.
HWND PrepareTextView(HWND window);
// Destroys the text view (the main window is going away).
void ForgetTextView();
