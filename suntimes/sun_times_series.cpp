#include "suntimes/sun_times_series.h"

#include <cstring>

#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/solar_events.h"
#include "timezones/zone_conversion.h"

SunTimesSeries sunTimesSeries = [] {
    SunTimesSeries s{};
    s.cacheKey.year = kNoCachedYear;
    for (int32_t& shown : s.showEvent)
        shown = 1;
    return s;
}();

void InvalidateSunTimesCache() {
    sunTimesSeries.cacheKey.year = kNoCachedYear;
}

void ResetSunTimesSeries() {
    std::memset(&sunTimesSeries, 0, sizeof sunTimesSeries);
    sunTimesSeries.cacheKey.year = kNoCachedYear;
    for (int32_t& shown : sunTimesSeries.showEvent)
        shown = 1;
}

namespace {

// The request as it stands now. The zone is keyed by its contents: catalogue
// entries are freed and reallocated on every rebuild, so an address says
// nothing about the rules behind it.
SunTimesCacheKey CurrentRequest(int32_t year, const TIME_ZONE_INFORMATION* zone, double latitude,
                                double longitude) {
    const SunTimesSeries& s = sunTimesSeries;
    SunTimesCacheKey key{};
    key.year = year;
    key.latitude = latitude;
    key.longitude = longitude;
    key.computerZone = zone == nullptr;
    if (zone == nullptr)
        ReadComputerZone(&key.zone);
    else
        std::memcpy(&key.zone, zone, sizeof key.zone);
    key.startDay = s.startDay;
    key.endDay = s.endDay;
    std::memcpy(key.showEvent, s.showEvent, sizeof key.showEvent);
    key.showLengths = s.showLengths;
    return key;
}

bool SameRequest(const SunTimesCacheKey& a, const SunTimesCacheKey& b) {
    return a.year == b.year && a.latitude == b.latitude && a.longitude == b.longitude &&
           a.computerZone == b.computerZone && std::memcmp(&a.zone, &b.zone, sizeof a.zone) == 0 &&
           a.startDay == b.startDay && a.endDay == b.endDay &&
           std::memcmp(a.showEvent, b.showEvent, sizeof a.showEvent) == 0 &&
           a.showLengths == b.showLengths;
}

void ComputePeriodLengths(SunTimesRecord& r) {
    SunEvent* e = r.events;
    double lengths[kSunEventCount] = {
        e[Dusk].hours - e[Dawn].hours,               // Dawn-Dusk
        e[Sunset].hours - e[Sunrise].hours,          // Daylight
        24.0 - (e[Sunset].hours - e[Sunrise].hours), // Night
        24.0 - (e[Dusk].hours - e[Dawn].hours),      // Dusk-Dawn
    };
    for (double& length : lengths) {
        if (length >= 24.0) length -= 24.0;
        if (length < 0.0) length += 24.0;
    }
    // A pair of periods (day part, night part) between a rising and a setting
    // event; polar days and nights are whole days.
    auto polarOverride = [&](int rising, int setting, double& dayPart, double& nightPart) {
        if (e[setting].polarState == kPolarNeverSets || e[rising].polarState == kPolarNeverSets) {
            dayPart = 24.0;
            nightPart = 0.0;
        } else if (e[rising].polarState == kPolarNeverRises) {
            dayPart = 0.0;
            nightPart = 24.0;
        }
    };
    polarOverride(Sunrise, Sunset, lengths[Sunrise], lengths[Sunset]);
    polarOverride(Dawn, Dusk, lengths[Dawn], lengths[Dusk]);
    for (int k = 0; k < kSunEventCount; ++k)
        e[k].length = lengths[k];
}

// Each period's change is its closing event's change minus its opening one's.
void PeriodDifferences(const int32_t slot[kSunEventCount], int32_t period[kSunEventCount]) {
    period[Dawn] = slot[Dusk] - slot[Dawn];
    period[Sunrise] = slot[Sunset] - slot[Sunrise];
    period[Sunset] = slot[Sunrise] - slot[Sunset];
    period[Dusk] = slot[Dawn] - slot[Dusk];
}

void ComputeVelocities(SunTimesSeries& s) {
    const int32_t last = s.lastDayIndex;
    for (int32_t d = 0; d <= last; ++d) {
        SunEvent* e = s.records[d].events;
        int32_t v[kSunEventCount];
        for (int k = 0; k < kSunEventCount; ++k) {
            if (d < last)
                v[k] =
                    static_cast<int32_t>(s.records[d + 1].events[k].utcTime - e[k].utcTime - 86400);
            else // the year's last day continues the trend of the two before it
                v[k] =
                    2 * s.records[d - 1].events[k].velocity - s.records[d - 2].events[k].velocity;
        }
        int32_t lengthV[kSunEventCount];
        PeriodDifferences(v, lengthV);
        for (int k = 0; k < kSunEventCount; ++k) {
            bool polar = e[k].polarState != kPolarNormal;
            e[k].velocity = polar ? 0 : v[k];
            e[k].lengthVelocity = polar ? 0 : lengthV[k];
        }
    }
}

void ComputeAccelerations(SunTimesSeries& s) {
    const int32_t last = s.lastDayIndex;
    for (int32_t d = 0; d <= last; ++d) {
        SunEvent* e = s.records[d].events;
        int32_t a[kSunEventCount];
        for (int k = 0; k < kSunEventCount; ++k) {
            if (d < last)
                a[k] = s.records[d + 1].events[k].velocity - e[k].velocity;
            else
                a[k] = 2 * s.records[d - 1].events[k].acceleration -
                       s.records[d - 2].events[k].acceleration;
        }
        int32_t lengthA[kSunEventCount];
        PeriodDifferences(a, lengthA);
        for (int k = 0; k < kSunEventCount; ++k) {
            e[k].acceleration = a[k];
            e[k].lengthAcceleration = lengthA[k];
        }
    }
}

void ComputeExtremes(SunTimesSeries& s) {
    s.minValue = 86400.0;
    s.maxValue = -86400.0;
    s.minVelocity = s.minAcceleration = 86400;
    s.maxVelocity = s.maxAcceleration = -86400;
    if (s.startDay < 0 || s.endDay > s.lastDayIndex) return;
    for (int32_t d = s.startDay; d <= s.endDay; ++d) {
        for (int k = 0; k < kSunEventCount; ++k) {
            if (!s.showEvent[k]) continue;
            const SunEvent& e = s.records[d].events[k];
            double value = s.showLengths ? e.length : e.hours;
            int32_t vel = s.showLengths ? e.lengthVelocity : e.velocity;
            int32_t acc = s.showLengths ? e.lengthAcceleration : e.acceleration;
            if (value < s.minValue) s.minValue = value;
            if (value > s.maxValue) s.maxValue = value;
            if (vel < s.minVelocity) s.minVelocity = vel;
            if (vel > s.maxVelocity) s.maxVelocity = vel;
            if (acc < s.minAcceleration) s.minAcceleration = acc;
            if (acc > s.maxAcceleration) s.maxAcceleration = acc;
        }
    }
}

} // namespace

int CalcSunTimesSeries(int32_t year, const TIME_ZONE_INFORMATION* zone, double latitude,
                       double longitude) {
    SunTimesSeries& s = sunTimesSeries;
    SunTimesCacheKey request = CurrentRequest(year, zone, latitude, longitude);
    if (s.cacheKey.year != kNoCachedYear && year >= 0 && SameRequest(request, s.cacheKey))
        return s.lastDayIndex;

    // Until the whole year has been computed nothing is cached.
    s.cacheKey.year = kNoCachedYear;
    if (year < 0) year = CurrentUtcYear();
    request.year = year;
    DecideLeapYear(year);
    s.lastDayIndex = currentLastDayIndex;

    bool allDaysComputed = true;
    for (int32_t d = 0; d <= s.lastDayIndex; ++d) {
        int32_t month = 0, day = 0;
        if (!YearDayToMonthDayClamped(year, d, &month, &day)) {
            ReportError(L"Invalid YearDay Month/Day Conversion");
            return 0;
        }
        if (!CalcSunTimesForDate(year, month, day, zone, latitude, longitude))
            allDaysComputed = false;
        s.records[d] = workRecord;
    }
    for (int32_t d = 0; d <= s.lastDayIndex; ++d)
        ComputePeriodLengths(s.records[d]);
    ComputeVelocities(s);
    ComputeAccelerations(s);
    ComputeExtremes(s);
    if (!allDaysComputed) return 0;
    s.cacheKey = request;
    return s.lastDayIndex;
}
