// The records the sun times engine fills and the displays read.
#pragma once

#include <cstdint>

#include "support/platform_types.h"

enum SunEventKind { Dawn = 0, Sunrise = 1, Sunset = 2, Dusk = 3 };
enum { kSunEventCount = 4, kSeriesDays = 366 };

// Polar states of an event: the sun stays below ("Never Rises") or above
// ("Never Sets") the event's zenith all day.
enum { kPolarNeverSets = -1, kPolarNormal = 0, kPolarNeverRises = 1 };

// Presentation selectors: the data kind and the lengths flag combine by OR
// into the presentation mode (presentation/presentation_state.h).
enum DataKindFlag { kDataTime = 1, kDataVelocity = 2, kDataAcceleration = 4 };
enum { kShowLengths = 8 };

struct SunEvent {
    int64_t utcTime;    // seconds since 1970-01-01 00:00:00 UTC
    int32_t polarState; // kPolarNeverSets, kPolarNormal, kPolarNeverRises
    int64_t localTime;  // local wall time counted like UTC seconds
    BrokenDownTime localTm;
    int32_t velocity;     // seconds per day
    int32_t acceleration; // seconds per day per day
    double hours;         // local time of day, decimal hours
    double length;        // hours of the period that belongs to this slot
    int32_t lengthVelocity;
    int32_t lengthAcceleration;
};

struct SunTimesRecord {
    int32_t year;
    int32_t month;
    int32_t day;
    double latitude;  // degrees, north positive
    double longitude; // degrees, east positive
    double julianDay; // of 00:00 UT of the date
    SunEvent events[kSunEventCount];
};

// What the records were last computed for.
struct SunTimesCacheKey {
    int32_t year; // kNoCachedYear when nothing is cached
    double latitude;
    double longitude;
    bool computerZone; // computed with the computer's zone; `zone` holds it as read then
    TIME_ZONE_INFORMATION zone;
    int32_t startDay;
    int32_t endDay;
    int32_t showEvent[kSunEventCount];
    int32_t showLengths;
};
enum { kNoCachedYear = -9999 };

struct SunTimesSeries {
    SunTimesRecord records[kSeriesDays]; // index = 0-based day of year
    int32_t lastDayIndex;                // 365 in a leap year, 364 otherwise
    int32_t startDay;
    int32_t endDay;
    int32_t dayCount; // 0: nothing to show
    int32_t showEvent[kSunEventCount];
    int32_t showLengths; // 0 event times, kShowLengths period lengths
    double minValue;
    double maxValue;
    int32_t minVelocity;
    int32_t maxVelocity;
    int32_t minAcceleration;
    int32_t maxAcceleration;
    SunTimesCacheKey cacheKey;
};
