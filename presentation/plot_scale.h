// The arithmetic of the plot: the value axis chosen from the series'
// extremes, the mapping of values and days to logical coordinates, the grid
// and the texts of its labels. The screen and the printer share it; nothing
// here draws.
#pragma once

// The value axis and the plot area, kept program-wide between drawings.
struct PlotScale {
    double top;    // value at the upper grid line
    double bottom; // value at the lower grid line
    double range;  // top - bottom, always positive
    double width;  // W: plot width in logical units
    double height; // H: plot height in logical units
    double step;   // value between two horizontal grid lines
};
extern PlotScale plotScale;

// Margins of the plot area inside the drawing rectangle, in logical units.
enum {
    kPlotLeftMargin = 90,    // value labels left of the curves
    kPlotTopMargin = 45,     // three title lines above them
    kPlotRightMargin = 20,   // grid lines stop this far from the right edge
    kPlotWidthReserve = 110, // left plus right margins
    kPlotHeightReserve = 100 // title lines plus the vertical date labels
};

// The first grid step of 0.001, 0.002, 0.005 ... 500 that divides the values'
// spread into at most 20 parts; 1000 when none does.
double PlotGridStep(double minimum, double maximum);

// Scales a drawing in a rectangle of the given size: W and H from the size,
// the axis from the series' extremes for DataKind in the presentation mode
// (event times and lengths never below 0 or above 24 hours). When DataKind
// names no kind, or nothing is shown, the axis of the last drawing stays.
// An axis without spread (all shown values equal) is opened one step
// downwards so that every mapping stays finite.
void UpdatePlotScale(int rectWidth, int rectHeight);

// The same for given extremes and mode; `known` false keeps the axis.
void ScalePlot(int rectWidth, int rectHeight, int mode, bool known, double minimum, double maximum);

// The divisor of the day axis: dayCount - 1, or 1 for a single day (drawn
// as a level segment across the plot).
int PlotDayDivisor(int dayCount);

// Logical coordinates of a value and of a day offset from the range's start.
int PlotY(int rectTop, double value);
int PlotX(int rectLeft, int dayOffset, int dayCount);

// Where the vertical grid lines start at the foot of the plot.
int PlotGridFoot(int rectTop);

// Days between two vertical grid lines: one line per 50 days of range, plus one.
int PlotGridDays(int dayCount);

// The horizontal grid lines: their number (top down to bottom) and values.
int PlotGridLineCount();
double PlotGridValue(int line);

// The day of the year of day offset i of the shown range (the range's last
// day once i reaches the day count), kept inside the series.
int PlotDayOfYear(int dayOffset);

// The label of a horizontal grid line in the presentation mode: a time of
// day in mode 1 (12- or 24-hour as the date and time setting says), hours
// as h:mm:ss in mode 9, a number with one decimal otherwise. Returns the
// characters written, or -1 when cut.
int FormatPlotValueLabel(double value, int mode, wchar_t* buffer, int capacity);

// "month/day" of a day of the year, written under a vertical grid line.
int FormatPlotDateLabel(int dayOfYear, wchar_t* buffer, int capacity);
