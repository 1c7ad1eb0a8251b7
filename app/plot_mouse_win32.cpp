// Zooming and panning the plotted range with the mouse.
#include <windowsx.h>

#include "app/plot_mouse.h"

#include "app/main_window.h"
#include "app/selection_range.h"
#include "app/program_state.h"
#include "app/selection_dialog.h"
#include "app/zoom_pan.h"
#include "presentation/presentation_state.h"
#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"

namespace {

bool InsidePlot(POINT point) {
    return point.x >= plotRect.left && point.x <= plotRect.right && point.y >= plotRect.top &&
           point.y <= plotRect.bottom;
}

// The shown range as days of the year; false (reported) when a date does not
// convert. A pan also needs the end date's own day.
bool CurrentRange(bool forPan, ShownRange* range) {
    const int dayCount = SetSunTimesDateRange(rangeStart, rangeEnd);
    int32_t first = 0, yearLast = 0, endDay = 0;
    if (!MonthDayToYearDay(rangeStart.wMonth, rangeStart.wDay, rangeStart.wYear, &first)) {
        ReportError(L"Invalid Start Date");
        return false;
    }
    if (!MonthDayToYearDay(yearEnd.wMonth, yearEnd.wDay, yearEnd.wYear, &yearLast)) {
        ReportError(L"Invalid End Date");
        return false;
    }
    if (dayCount <= 0) return false;
    *range = RangeOfDays(first, dayCount, yearLast);
    if (forPan) {
        if (!MonthDayToYearDay(rangeEnd.wMonth, rangeEnd.wDay, rangeEnd.wYear, &endDay)) {
            ReportError(L"Invalid Stop Date");
            return false;
        }
        range->last = endDay;
    }
    return true;
}

double FractionAcross(POINT point) {
    const int width = plotRect.right - plotRect.left;
    return width > 0 ? static_cast<double>(point.x - plotRect.left) / width : 0.0;
}

void Zoom(POINT point, bool in) {
    ShownRange range;
    if (!CurrentRange(false, &range)) return;
    RangeChange change =
        in ? ZoomIn(range, FractionAcross(point)) : ZoomOut(range, FractionAcross(point));
    if (change.apply) ApplyRange(change.start, change.end);
}

} // namespace

void HandlePlotMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_MOUSEWHEEL) ScreenToClient(window, &point);
    if (plotView != kViewPlot || !InsidePlot(point)) return;
    switch (message) {
    case WM_LBUTTONDOWN:
        clickPending = 1;
        dragAnchor = point;
        break;
    case WM_MOUSEMOVE: {
        if (!(wParam & MK_LBUTTON)) break;
        const int dx = dragAnchor.x - point.x;
        clickPending = 0;
        dragAnchor = point;
        if (dx == 0) break;
        ShownRange range;
        if (!CurrentRange(true, &range)) break;
        RangeChange change = Pan(range, dx);
        if (change.apply) ApplyRange(change.start, change.end);
        break;
    }
    case WM_LBUTTONUP:
        if (clickPending == 1) {
            clickPending = 0;
            Zoom(point, true);
        }
        break;
    case WM_RBUTTONDOWN:
        dragAnchor = point;
        break;
    case WM_RBUTTONUP:
        Zoom(point, false);
        break;
    case WM_MOUSEWHEEL:
        Zoom(point, GET_WHEEL_DELTA_WPARAM(wParam) > 0);
        break;
    }
}
