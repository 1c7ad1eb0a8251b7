// Times and zone records as the tests of the engine and the zone rules (and
// the benchmarks) write them.
#pragma once

#include "support/platform_types.h"

inline SYSTEMTIME Time(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                       int milliseconds = 0, int weekday = 0) {
    auto w = [](int value) { return static_cast<WORD>(value); };
    return {w(year), w(month), w(weekday), w(day), w(hour), w(minute), w(second), w(milliseconds)};
}

// A recurring change date: the week-th (5 = last) weekday of month at hour:minute.
inline SYSTEMTIME Recurring(int month, int week, int weekday, int hour, int minute = 0) {
    return Time(0, month, week, hour, minute, 0, 0, weekday);
}

// No DaylightDate (month 0) means no daylight time, whatever the other fields hold.
inline TIME_ZONE_INFORMATION Zone(LONG bias, LONG daylightBias = 0,
                                  const SYSTEMTIME& daylightDate = SYSTEMTIME{},
                                  const SYSTEMTIME& standardDate = SYSTEMTIME{},
                                  LONG standardBias = 0) {
    return {bias, {}, standardDate, standardBias, {}, daylightDate, daylightBias};
}

// US Eastern: second Sunday of March 02:00 to first Sunday of November 02:00.
inline TIME_ZONE_INFORMATION EasternZone() {
    return Zone(300, -60, Recurring(3, 2, 0, 2), Recurring(11, 1, 0, 2));
}
