// A day as a SYSTEMTIME, and a year's series computed at a latitude (longitude
// -75.2164) in a fixed zone 5 hours west of UTC, with some of its days shown.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "presentation/presentation_state.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "suntimes/test_zones.h"

inline SYSTEMTIME Day(int year, int month, int day) {
    SYSTEMTIME date = {};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    return date;
}

inline const TIME_ZONE_INFORMATION shownDaysZone = [] {
    TIME_ZONE_INFORMATION zone = FixedZone(300);
    const wchar_t name[] = L"Eastern Standard Time";
    std::copy(std::begin(name), std::end(name), zone.StandardName);
    return zone;
}();

// Shows month1/day1 to month2/day2 of the year, all of it computed.
inline void ComputeShownDays(double latitude, int month1, int day1, int month2, int day2,
                             int year = 2016) {
    ASSERT_GT(SetSunTimesDateRange(Day(year, month1, day1), Day(year, month2, day2)), 0);
    siteLatitude = latitude;
    siteLongitude = -75.2164;
    ASSERT_EQ(CalcSunTimesSeries(year, &shownDaysZone, latitude, siteLongitude),
              IsLeapYear(year) ? 365 : 364);
}
