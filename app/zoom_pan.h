// The day arithmetic of zooming and panning the plotted date range with the
// mouse. Days are 0-based days of the year; new values are truncated toward
// zero when they become whole days.
#pragma once

struct ShownRange {
    int first;    // first shown day
    int last;     // last shown day
    int yearLast; // last day of the year (364 or 365)
};
// The range of `dayCount` days from `first`, within a year ending on `yearLast`.
inline ShownRange RangeOfDays(int first, int dayCount, int yearLast) {
    return ShownRange{first, first + dayCount - 1, yearLast};
}

struct RangeChange {
    bool apply; // false: the range stays as it is and nothing is recomputed
    int start;
    int end;
};

// Left click at fraction fx (0 at the plot's left edge, 1 at its right):
// halve the range around the click.
RangeChange ZoomIn(const ShownRange& range, double fx);
// Right click: double the range around the click (a one-day range becomes three).
RangeChange ZoomOut(const ShownRange& range, double fx);
// Drag by dx pixels (anchor x minus new x): shift by about 0.3 % of the range
// per pixel, at least one day, keeping the range's length and the year's edges.
RangeChange Pan(const ShownRange& range, int dx);
