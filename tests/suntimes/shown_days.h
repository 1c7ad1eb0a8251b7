// A year's series computed at a latitude (longitude -75.2164) in a fixed zone
// 5 hours west of UTC, with some of its days shown, and a fixture that starts
// and ends with nothing computed, the plot of event times on the 12-hour clock.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "datetime/date_time_format.h"
#include "presentation/presentation_state.h"
#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "suntimes/test_zones.h"

inline const TIME_ZONE_INFORMATION shownDaysZone = [] {
    TIME_ZONE_INFORMATION zone = Zone(300);
    const wchar_t name[] = L"Eastern Standard Time";
    std::copy(std::begin(name), std::end(name), zone.StandardName);
    return zone;
}();

inline const int kModes[] = {kModeTime,  kModeVelocity,     kModeAcceleration,
                             kModeHours, kModeHourVelocity, kModeHourAcceleration};

// Shows month1/day1 to month2/day2 of the year, all of it computed.
inline void ComputeShownDays(double latitude, int month1, int day1, int month2, int day2,
                             int year = 2016) {
    ASSERT_GT(SetSunTimesDateRange(Time(year, month1, day1), Time(year, month2, day2)), 0);
    siteLatitude = latitude;
    siteLongitude = -75.2164;
    ASSERT_EQ(CalcSunTimesSeries(year, &shownDaysZone, latitude, siteLongitude),
              IsLeapYear(year) ? 365 : 364);
}

class ShownDaysTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        plotView = kViewPlot;
        DataKind = kDataTime;
        dateTimeFormat = kDateTimeFormat12;
        siteLatitude = 40.6883;
        siteLongitude = -75.2164;
        ResetSunTimesSeries();
        TakePendingError();
    }
    // A presentation mode: its data kind, of the event times or the periods.
    static void ShowMode(int mode) {
        DataKind = mode & ~kShowLengths;
        sunTimesSeries.showLengths = mode & kShowLengths;
    }
};
