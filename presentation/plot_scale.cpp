#include "presentation/plot_scale.h"

#include <cmath>

#include "datetime/date_time_format.h"
#include "presentation/presentation_state.h"
#include "support/bounded_format.h"
#include "suntimes/sun_times_series.h"

// Until the first drawing: a day of hours.
PlotScale plotScale = {24.0, 0.0, 24.0, 0.0, 0.0, 2.0};

namespace {

const double kGridSteps[] = {0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5,
                             1,     2,     5,     10,   20,   50,   100, 200, 500};
const double kFallbackStep = 1000.0;
const int kMaxGridSpreadSteps = 20;
const double kHoursPerDay = 24.0;
const int kHoursPerClockDay = 24;
const double kHalfSecondHours = 0.00013888888888888;
// Grid values are decimal multiples of the step; their binary form may lie a
// hair below, which must not cost a label a whole second.
const double kHourRepresentationSlack = 1.0e-9;
// Far outside any drawing, well inside what GDI accepts.
const double kCoordinateLimit = 1 << 26;
const int kMaxGridLines = 1000;

int ToCoordinate(double value) {
    if (std::isnan(value)) return 0;
    if (value > kCoordinateLimit) value = kCoordinateLimit;
    if (value < -kCoordinateLimit) value = -kCoordinateLimit;
    return static_cast<int>(value);
}

bool TimeOfDayAxis(int mode) {
    return mode == kModeTime || mode == kModeHours;
}

// The shown extremes for DataKind; false when DataKind names no kind or the
// range shows no value (the series then leaves max below min).
bool SeriesExtremes(double* minimum, double* maximum) {
    const SunTimesSeries& s = sunTimesSeries;
    switch (DataKind) {
    case kDataTime:
        *minimum = s.minValue;
        *maximum = s.maxValue;
        break;
    case kDataVelocity:
        *minimum = s.minVelocity;
        *maximum = s.maxVelocity;
        break;
    case kDataAcceleration:
        *minimum = s.minAcceleration;
        *maximum = s.maxAcceleration;
        break;
    default:
        return false;
    }
    return *maximum >= *minimum;
}

// "h:mm:ss" on the 12- or 24-hour clock of the date and time setting.
int FormatTimeOfDayLabel(double hours, wchar_t* buffer, int capacity) {
    if (!std::isfinite(hours)) hours = 0.0;
    if (hours < 0.0 || hours >= 2 * kHoursPerDay) hours = std::fmod(hours, kHoursPerDay);
    if (hours < 0.0) hours += kHoursPerDay;
    hours += kHalfSecondHours;
    int hour = static_cast<int>(hours);
    const double fraction = hours - hour;
    const int minute = static_cast<int>(fraction * 60.0);
    const int second = static_cast<int>((fraction - minute / 60.0) * 3600.0);
    while (hour >= kHoursPerClockDay)
        hour -= kHoursPerClockDay;
    packedDateTime.fifths = 0;
    packedDateTime.hour = static_cast<uint8_t>(hour);
    packedDateTime.minute = static_cast<uint8_t>(minute);
    packedDateTime.second = static_cast<uint8_t>(second);
    FormatDateTime((dateTimeFormat & kDateTimeTwelveHour) | kDateTimeHours | kDateTimeMinutes |
                   kDateTimeSeconds);
    return FormatText(buffer, capacity, L" %8ls", DateTimeText());
}

int FormatHoursLabel(double hours, wchar_t* buffer, int capacity) {
    if (!(hours > -1.0e6 && hours < 1.0e6)) hours = 0.0;
    hours += hours < 0.0 ? -kHourRepresentationSlack : kHourRepresentationSlack;
    const int h = static_cast<int>(hours);
    const int s = static_cast<int>((hours - h) * 3600.0);
    return FormatText(buffer, capacity, L"%d:%02d:%02d", h, s / 60, s % 60);
}

} // namespace

double PlotGridStep(double minimum, double maximum) {
    for (double step : kGridSteps)
        if ((maximum - minimum) / step <= kMaxGridSpreadSteps) return step;
    return kFallbackStep;
}

void ScalePlot(int rectWidth, int rectHeight, int mode, bool known, double minimum,
               double maximum) {
    PlotScale& p = plotScale;
    // A rectangle smaller than the margins leaves no plot area, not a mirrored one.
    p.width = rectWidth > kPlotWidthReserve ? rectWidth - kPlotWidthReserve : 0;
    p.height = rectHeight > kPlotHeightReserve ? rectHeight - kPlotHeightReserve : 0;

    if (known && std::isfinite(minimum) && std::isfinite(maximum)) {
        const double s = PlotGridStep(minimum, maximum);
        p.step = s;
        p.top = std::trunc((maximum + s) / s) * s;
        if (TimeOfDayAxis(mode)) {
            p.bottom = std::trunc(minimum / s) * s;
            if (p.bottom < 0.0) p.bottom = 0.0;
            if (p.top > kHoursPerDay) p.top = kHoursPerDay;
        } else {
            p.bottom = std::trunc((minimum - s) / s) * s;
        }
    }
    if (!(p.step > 0.0)) p.step = 1.0;
    p.range = p.top - p.bottom;
    // Equal values (say, only the daylight of a polar summer, 24 hours every
    // day) leave top = bottom: open the axis one step below the top.
    if (!(p.range > 0.0)) {
        p.bottom = p.top - p.step;
        p.range = p.step;
    }
}

void UpdatePlotScale(int rectWidth, int rectHeight) {
    double minimum = 0.0, maximum = 0.0;
    const bool known = SeriesExtremes(&minimum, &maximum);
    ScalePlot(rectWidth, rectHeight, PresentationMode(), known, minimum, maximum);
}

int PlotDayDivisor(int dayCount) {
    return dayCount > 1 ? dayCount - 1 : 1;
}

int PlotY(int rectTop, double value) {
    const PlotScale& p = plotScale;
    const double offset = p.range > 0.0 ? (p.top - value) / p.range * p.height : 0.0;
    return rectTop + kPlotTopMargin + ToCoordinate(offset);
}

int PlotX(int rectLeft, int dayOffset, int dayCount) {
    const double offset =
        static_cast<double>(dayOffset) / PlotDayDivisor(dayCount) * plotScale.width;
    return rectLeft + kPlotLeftMargin + ToCoordinate(offset);
}

int PlotGridFoot(int rectTop) {
    const PlotScale& p = plotScale;
    const double span = p.range > 0.0 ? (p.top - p.bottom) / p.range * p.height : 0.0;
    // Five units above the lowest grid line.
    return rectTop + ToCoordinate(span) + kPlotTopMargin - 5;
}

int PlotGridDays(int dayCount) {
    return (dayCount > 0 ? dayCount : 0) / 50 + 1;
}

int PlotGridLineCount() {
    const PlotScale& p = plotScale;
    if (!(p.step > 0.0)) return 0;
    // Lines at top, top - step, ... while the value is not below bottom - step / 2.
    const double lines = std::floor((p.top - (p.bottom - p.step / 2)) / p.step) + 1;
    if (!(lines > 0.0)) return 0;
    return lines > kMaxGridLines ? kMaxGridLines : static_cast<int>(lines);
}

double PlotGridValue(int line) {
    return plotScale.top - line * plotScale.step;
}

int PlotDayOfYear(int dayOffset) {
    const SunTimesSeries& s = sunTimesSeries;
    int day = dayOffset >= s.dayCount ? s.endDay : s.startDay + dayOffset;
    if (day > s.endDay) day = s.endDay;
    if (day > s.lastDayIndex) day = s.lastDayIndex;
    if (day >= kSeriesDays) day = kSeriesDays - 1;
    return day < 0 ? 0 : day;
}

int FormatPlotValueLabel(double value, int mode, wchar_t* buffer, int capacity) {
    if (mode == kModeTime) return FormatTimeOfDayLabel(value, buffer, capacity);
    if (mode == kModeHours) return FormatHoursLabel(value, buffer, capacity);
    return FormatText(buffer, capacity, L" %4.1f", value);
}

int FormatPlotDateLabel(int dayOfYear, wchar_t* buffer, int capacity) {
    if (dayOfYear < 0 || dayOfYear >= kSeriesDays) return FormatText(buffer, capacity, L"");
    const SunTimesRecord& r = sunTimesSeries.records[dayOfYear];
    return FormatText(buffer, capacity, L"%d/%d", r.month, r.day);
}
