#include "suntimes/solar_events.h"

#include <cmath>
#include <cstring>

#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "timezones/zone_conversion.h"

SunTimesRecord workRecord;
TIME_ZONE_INFORMATION currentZone;

namespace {

// The constants and the order of every operation below are fixed: results
// must agree to the second with the published reference tables everywhere.
const double kPi = 3.141592653589793;
const double kZenithCivil = 1.6755160819145563;   // 96 degrees
const double kZenithHorizon = 1.5853349194640092; // 90.833 degrees
const double kJ2000 = 2451545.0;

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}
double Degrees(double radians) {
    return radians * 180.0 / kPi;
}

double MoonNodeRadians(double t) {
    return Radians(125.04 - 1934.136 * t);
}

// True obliquity of the ecliptic in degrees.
double Obliquity(double t, double omega) {
    double eps0 =
        23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - 0.001813 * t))) / 60.0) / 60.0;
    return eps0 + 0.00256 * std::cos(omega);
}

// Geometric mean longitude of the sun in degrees, reduced to 0..360.
double MeanLongitude(double t) {
    double l0 = 280.46646 + t * (36000.76983 + 0.0003032 * t);
    while (static_cast<int64_t>(l0) > 360)
        l0 -= 360.0;
    while (l0 < 0.0)
        l0 += 360.0;
    return l0;
}

double MeanAnomalyDegrees(double t) {
    return 357.52911 + t * (35999.05029 - 0.0001537 * t);
}

} // namespace

namespace {

// The sun's place at one instant: what the hour angle of an event needs.
struct SolarPosition {
    double equationOfTime; // minutes
    double declination;    // radians
    double cosDeclination; // kept: the first pass's place serves four events
    double tanDeclination;
};

// The elements shared by the equation of time and the declination, each
// computed once per instant.
struct SolarElements {
    double omega;         // radians
    double obliquity;     // degrees
    double meanLongitude; // degrees, reduced
    double meanAnomaly;   // radians
    double sinMeanAnomaly;
};

SolarElements ElementsAt(double t) {
    SolarElements el;
    el.omega = MoonNodeRadians(t);
    el.obliquity = Obliquity(t, el.omega);
    el.meanLongitude = MeanLongitude(t);
    el.meanAnomaly = Radians(MeanAnomalyDegrees(t));
    el.sinMeanAnomaly = std::sin(el.meanAnomaly);
    return el;
}

double EquationOfTime(double t, const SolarElements& el) {
    double l0 = Radians(el.meanLongitude);
    double m = el.meanAnomaly;
    double e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    double y = std::tan(Radians(el.obliquity) / 2.0);
    y *= y;
    double q = y * std::sin(2.0 * l0) - 2.0 * e * el.sinMeanAnomaly +
               4.0 * e * y * el.sinMeanAnomaly * std::cos(2.0 * l0) -
               0.5 * y * y * std::sin(4.0 * l0) - 1.25 * e * e * std::sin(2.0 * m);
    return Degrees(q) * 4.0;
}

SolarPosition SolarPositionAt(double t) {
    const SolarElements el = ElementsAt(t);
    const double m = el.meanAnomaly;
    SolarPosition position;
    position.equationOfTime = EquationOfTime(t, el);
    double centre = el.sinMeanAnomaly * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                    std::sin(2.0 * m) * (0.019993 - 0.000101 * t) + std::sin(3.0 * m) * 0.000289;
    double lambda = el.meanLongitude + centre - 0.00569 - 0.00478 * std::sin(el.omega);
    position.declination =
        Radians(Degrees(std::asin(std::sin(Radians(el.obliquity)) * std::sin(Radians(lambda)))));
    position.cosDeclination = std::cos(position.declination);
    position.tanDeclination = std::tan(position.declination);
    return position;
}

// The place's terms of the hour angle, fixed for a day.
struct Observer {
    double cosLatitude;
    double tanLatitude;
};

Observer ObserverAt(double latitude) {
    const double phi = Radians(latitude);
    return Observer{std::cos(phi), std::tan(phi)};
}

// One pass: the event's time (minutes after 00:00 UTC) for the sun's place at
// the pass's instant; stores the event's polar state.
double EventTimeForPosition(SunEventKind kind, const SolarPosition& sun, const Observer& observer,
                            SunEvent& event) {
    static const double kCosCivil = std::cos(kZenithCivil);
    static const double kCosHorizon = std::cos(kZenithHorizon);
    const double cosZenith = (kind == Dawn || kind == Dusk) ? kCosCivil : kCosHorizon;
    double x = cosZenith / (sun.cosDeclination * observer.cosLatitude) -
               sun.tanDeclination * observer.tanLatitude;
    event.polarState = kPolarNormal;
    if (x < -1.0) {
        event.polarState = kPolarNeverSets;
        x = -1.0;
    } else if (x > 1.0) {
        event.polarState = kPolarNeverRises;
        x = 1.0;
    }
    double hourAngle = std::acos(x);
    if (kind == Sunset || kind == Dusk) hourAngle = -hourAngle;
    hourAngle = Degrees(hourAngle);
    return (-workRecord.longitude - hourAngle) * 4.0 + 720.0 - sun.equationOfTime;
}

// Both passes of one event; the first pass's solar place is the date's own,
// the same for all four events, so a day computes it once.
double EventTime(SunEventKind kind, const SolarPosition& atDate, const Observer& observer) {
    SunEvent& event = workRecord.events[kind];
    const double jd0 = ((workRecord.julianDay - kJ2000) / 36525.0) * 36525.0 + kJ2000;
    double timeUtc = EventTimeForPosition(kind, atDate, observer, event);
    double t = (timeUtc / 1440.0 + jd0 - kJ2000) / 36525.0;
    return EventTimeForPosition(kind, SolarPositionAt(t), observer, event);
}

double DateCenturies() {
    return (workRecord.julianDay - kJ2000) / 36525.0;
}

} // namespace

double CalcEquationOfTime(double t) {
    return EquationOfTime(t, ElementsAt(t));
}

double CalcSunEventUtc(SunEventKind kind) {
    return EventTime(kind, SolarPositionAt(DateCenturies()), ObserverAt(workRecord.latitude));
}

namespace {

bool ValidDateAndPlace(int32_t year, int32_t month, int32_t day, double latitude,
                       double longitude) {
    if (year < 1970 || year > 3000) {
        ReportError(L"Invalid Year: %d", year);
        return false;
    }
    if (month < 1 || month > 12) {
        ReportError(L"Invalid month: %d", month);
        return false;
    }
    DecideLeapYear(year);
    if (day < 1 || day > currentMonthLengths[month - 1]) {
        ReportError(L"Invalid Month Day: %d", day);
        return false;
    }
    // Written so that NaN fails too.
    if (!(latitude >= -90.0 && latitude <= 90.0)) {
        ReportError(L"Invalid Latitude: %g", latitude);
        return false;
    }
    if (!(longitude >= -180.0 && longitude <= 180.0)) {
        ReportError(L"Invalid Longitude: %g", longitude);
        return false;
    }
    return true;
}

double JulianDayOfDate(int32_t year, int32_t month, int32_t day) {
    int32_t y = year, m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    int32_t a = static_cast<int32_t>(std::floor(y / 100.0));
    int32_t b = 2 - a + static_cast<int32_t>(std::floor(a * 0.25));
    return std::floor(30.6001 * (m + 1)) + std::floor(365.25 * (y + 4716)) + day + b - 1524.5;
}

// Local wall time at 12:00 UTC of the date, counted like UTC seconds; -1 when
// the zone cannot be applied.
int64_t LocalNoonOf(int32_t year, int32_t month, int32_t day) {
    SYSTEMTIME utcNoon{};
    utcNoon.wYear = static_cast<WORD>(year);
    utcNoon.wMonth = static_cast<WORD>(month);
    utcNoon.wDay = static_cast<WORD>(day);
    utcNoon.wHour = 12;
    SYSTEMTIME local{};
    if (!UtcToZoneLocal(&currentZone, &utcNoon, &local)) return -1;
    BrokenDownTime wall{};
    wall.tm_sec = local.wSecond;
    wall.tm_min = local.wMinute;
    wall.tm_hour = local.wHour;
    wall.tm_mday = local.wDay;
    wall.tm_mon = local.wMonth - 1;
    wall.tm_year = local.wYear - 1900;
    wall.tm_wday = local.wDayOfWeek;
    wall.tm_isdst = -1;
    return MakeUtcSeconds(&wall);
}

} // namespace

int CalcSunTimesForDate(int32_t year, int32_t month, int32_t day, const TIME_ZONE_INFORMATION* zone,
                        double latitude, double longitude) {
    if (zone == nullptr)
        ReadComputerZone(&currentZone);
    else
        std::memcpy(&currentZone, zone, sizeof currentZone);

    if (!ValidDateAndPlace(year, month, day, latitude, longitude)) return 0;

    workRecord.month = month;
    workRecord.day = day;
    workRecord.year = year;
    workRecord.julianDay = JulianDayOfDate(year, month, day);

    const int64_t localNoon = LocalNoonOf(year, month, day);
    if (localNoon == -1) {
        ReportError(L"Invalid Timezone");
        return 0;
    }
    BrokenDownTime midnight{};
    midnight.tm_mday = day;
    midnight.tm_mon = month - 1;
    midnight.tm_year = year - 1900;
    midnight.tm_isdst = -1;
    const int64_t midnightUtc = MakeUtcSeconds(&midnight);

    workRecord.latitude = latitude;
    workRecord.longitude = longitude;

    const SolarPosition atDate = SolarPositionAt(DateCenturies());
    const Observer observer = ObserverAt(latitude);
    for (int k = Dawn; k <= Dusk; ++k) {
        SunEvent& event = workRecord.events[k];
        double minutes = EventTime(static_cast<SunEventKind>(k), atDate, observer);
        int64_t seconds = static_cast<int64_t>(minutes * 60.0);
        event.utcTime = midnightUtc + seconds;
        event.localTime = localNoon - 43200 + seconds;
        if (!BreakDownUtcSeconds(event.localTime, &event.localTm)) {
            // Only at the ends of the clock's range (1970, 3000) can the local
            // time of an event leave it.
            ReportError(L"Invalid Timezone");
            return 0;
        }
        event.hours =
            event.localTm.tm_min / 60.0 + event.localTm.tm_hour + event.localTm.tm_sec / 3600.0;
    }
    return 1;
}
