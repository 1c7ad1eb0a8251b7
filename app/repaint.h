// WM_PAINT of the main window: the table in the text view, or the plot.
// Windows only.
#pragma once

#include "support/platform_types.h"

void PaintMainWindow(HWND window);
// The text view control while the table is shown, else null.
HWND TextViewControl();
// Destroys the text view (the main window is going away).
void ForgetTextView();
