// What the plot shows, apart from where: its three title lines, the value of
// each curve point in the presentation mode and the colour of each point.
#pragma once

#include <cstdint>

#include "suntimes/sun_times_types.h"

enum { kPlotTitleLength = 200 };

// Title line 1: the display title with its colour legend, without the line end.
int FormatPlotLegendLine(wchar_t* buffer, int capacity);
// Title line 2: the place and the colours of the polar days.
int FormatPlotPlaceLine(wchar_t* buffer, int capacity);
// Title line 3: the plot kind of the presentation mode and the zone's offset.
int FormatPlotKindLine(wchar_t* buffer, int capacity);

// The value of an event slot's point in the presentation mode. False for a
// mode that has no curves.
bool PlotPointValue(const SunEvent& event, int mode, double* value);

struct PlotColor {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// A point's colour: its slot's colour, black on a day the event never rises,
// gray on a day it never sets.
PlotColor PlotPointColor(int slot, int32_t polarState);
