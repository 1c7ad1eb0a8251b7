// The plot of the shown range of the sun times: up to four coloured curves
// over a dotted grid with value and date labels and three title lines. One
// drawing serves the main window and the printer.
#pragma once

#include "support/platform_types.h"

#ifdef _WIN32
// Draws into dc within rect (logical units). labelEveryGridLine: a date
// under every vertical grid line (the screen) or under every second one
// (paper). Draws nothing without a device context or a day to show. The
// device context is left as it was found; every object made here is freed.
void DrawSunTimesPlot(HDC dc, const RECT& rect, bool labelEveryGridLine);
#endif
