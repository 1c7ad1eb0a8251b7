#include "suntimes/sun_times_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/test_zones.h"

namespace {

const double kLatitude = 40.6883;
const double kLongitude = -75.2164;

class SunTimesSeriesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TakePendingError();
        ResetSunTimesSeries();
    }
    void TearDown() override { TakePendingError(); }

    static void SelectWholeYear(int year) {
        SYSTEMTIME start{}, end{};
        start.wYear = end.wYear = static_cast<WORD>(year);
        start.wMonth = start.wDay = 1;
        end.wMonth = 12;
        end.wDay = 31;
        ASSERT_GT(SetSunTimesDateRange(start, end), 0);
    }
    static const SunTimesRecord& Day(int year, int month, int dayOfMonth) {
        int32_t d = 0;
        MonthDayToYearDay(month, dayOfMonth, year, &d);
        return sunTimesSeries.records[d];
    }
};

TEST_F(SunTimesSeriesTest, WorkedExampleOfAWinterDay) {
    TIME_ZONE_INFORMATION zone = FixedZone(300);
    SelectWholeYear(2016);
    ASSERT_EQ(CalcSunTimesSeries(2016, &zone, kLatitude, kLongitude), 365);
    const SunTimesRecord& r = Day(2016, 1, 14);
    ASSERT_EQ(r.day, 14);
    const int velocity[4] = {-19, -22, 66, 63};
    const int acceleration[4] = {-2, -3, 2, 0};
    const double hours[4] = {6.884722222, 7.387777778, 16.943611111, 17.446944444};
    const double length[4] = {10.562222222, 9.555833333, 14.444166667, 13.437777778};
    const int lengthVelocity[4] = {82, 88, -88, -82};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(r.events[k].velocity, velocity[k]);
        EXPECT_EQ(r.events[k].acceleration, acceleration[k]);
        EXPECT_NEAR(r.events[k].hours, hours[k], 1e-8);
        EXPECT_NEAR(r.events[k].length, length[k], 1e-8);
        EXPECT_EQ(r.events[k].lengthVelocity, lengthVelocity[k]);
    }
    // Period changes come from the slots' accelerations.
    EXPECT_EQ(r.events[Sunrise].lengthAcceleration, 2 - (-3));
    EXPECT_EQ(r.events[Dusk].lengthAcceleration, -2 - 0);
}

// Velocity is the change of the UTC clock time: the hours jump by the
// daylight change across 8 March while the velocity does not.
TEST_F(SunTimesSeriesTest, VelocityIsImmuneToDaylightTime) {
    TIME_ZONE_INFORMATION zone = EasternZone();
    SelectWholeYear(2026);
    ASSERT_EQ(CalcSunTimesSeries(2026, &zone, kLatitude, kLongitude), 364);
    const SunEvent& before = Day(2026, 3, 7).events[Sunset];
    const SunEvent& after = Day(2026, 3, 8).events[Sunset];
    EXPECT_NEAR(after.hours - before.hours, 1.0 + before.velocity / 3600.0, 1e-9);
    EXPECT_EQ(before.velocity, after.utcTime - before.utcTime - 86400);
    EXPECT_LT(std::abs(before.velocity), 120);
    // The last day extrapolates from the two before it.
    const SunEvent* last = sunTimesSeries.records[364].events;
    EXPECT_EQ(last[Dawn].velocity, 2 * sunTimesSeries.records[363].events[Dawn].velocity -
                                       sunTimesSeries.records[362].events[Dawn].velocity);
}

TEST_F(SunTimesSeriesTest, PolarDaysHaveWholeDayLengthsAndNoVelocity) {
    TIME_ZONE_INFORMATION zone = FixedZone(-60);
    SelectWholeYear(2024);
    ASSERT_EQ(CalcSunTimesSeries(2024, &zone, 80.0, 15.0), 365);
    const SunTimesRecord& summer = Day(2024, 6, 25);
    EXPECT_EQ(summer.events[Sunrise].polarState, kPolarNeverSets);
    EXPECT_EQ(summer.events[Sunrise].length, 24.0); // Daylight
    EXPECT_EQ(summer.events[Sunset].length, 0.0);   // Night
    EXPECT_EQ(summer.events[Sunrise].velocity, 0);
    EXPECT_EQ(summer.events[Sunset].velocity, 0);
    EXPECT_EQ(summer.events[Sunrise].lengthVelocity, 0);
    const SunTimesRecord& winter = Day(2024, 12, 22);
    EXPECT_EQ(winter.events[Sunrise].polarState, kPolarNeverRises);
    EXPECT_EQ(winter.events[Sunrise].length, 0.0);
    EXPECT_EQ(winter.events[Sunset].length, 24.0);
    EXPECT_EQ(winter.events[Dawn].length, 0.0); // no twilight either
}

TEST_F(SunTimesSeriesTest, SunsetAfterLocalMidnightStillGivesADaylightWithinTheDay) {
    // Western edge of a zone far to the east of its clock: sunset past midnight.
    TIME_ZONE_INFORMATION zone = FixedZone(-720);
    SelectWholeYear(2026);
    ASSERT_EQ(CalcSunTimesSeries(2026, &zone, 60.0, 0.0), 364);
    const SunTimesRecord& r = Day(2026, 6, 1);
    ASSERT_LT(r.events[Sunset].hours, r.events[Sunrise].hours);
    EXPECT_GT(r.events[Sunrise].length, 0.0);
    EXPECT_LT(r.events[Sunrise].length, 24.0);
    EXPECT_NEAR(r.events[Sunrise].length + r.events[Sunset].length, 24.0, 1e-9);
}

TEST_F(SunTimesSeriesTest, ExtremesFollowTheRangeAndTheShownEvents) {
    TIME_ZONE_INFORMATION zone = FixedZone(300);
    SYSTEMTIME day{};
    day.wYear = 2016;
    day.wMonth = 1;
    day.wDay = 14;
    ASSERT_EQ(SetSunTimesDateRange(day, day), 1);
    ASSERT_GT(CalcSunTimesSeries(2016, &zone, kLatitude, kLongitude), 0);
    const SunTimesSeries& s = sunTimesSeries;
    EXPECT_NEAR(s.minValue, 6.884722222, 1e-8);
    EXPECT_NEAR(s.maxValue, 17.446944444, 1e-8);
    EXPECT_EQ(s.minVelocity, -22);
    EXPECT_EQ(s.maxVelocity, 66);
    EXPECT_EQ(s.minAcceleration, -3);
    EXPECT_EQ(s.maxAcceleration, 2);

    sunTimesSeries.showLengths = kShowLengths;
    ASSERT_GT(CalcSunTimesSeries(2016, &zone, kLatitude, kLongitude), 0);
    EXPECT_NEAR(s.minValue, 9.555833333, 1e-8);
    EXPECT_NEAR(s.maxValue, 14.444166667, 1e-8);
    EXPECT_EQ(s.minVelocity, -88);
    EXPECT_EQ(s.maxVelocity, 88);

    for (int32_t& shown : sunTimesSeries.showEvent)
        shown = 0;
    ASSERT_GT(CalcSunTimesSeries(2016, &zone, kLatitude, kLongitude), 0);
    EXPECT_EQ(s.minValue, 86400.0);
    EXPECT_EQ(s.maxValue, -86400.0);
    EXPECT_EQ(s.minVelocity, 86400);
    EXPECT_EQ(s.maxAcceleration, -86400);
}

TEST_F(SunTimesSeriesTest, AnUnchangedRequestIsServedFromTheCache) {
    TIME_ZONE_INFORMATION zone = FixedZone(300);
    SelectWholeYear(2026);
    ASSERT_EQ(CalcSunTimesSeries(2026, &zone, kLatitude, kLongitude), 364);
    // Mark a record: a cache hit leaves it, any recomputation overwrites it.
    sunTimesSeries.records[100].events[Dawn].velocity = 12345;
    EXPECT_EQ(CalcSunTimesSeries(2026, &zone, kLatitude, kLongitude), 364);
    EXPECT_EQ(sunTimesSeries.records[100].events[Dawn].velocity, 12345);

    // Same rules at another address (a rebuilt catalogue): still a hit.
    TIME_ZONE_INFORMATION copy = zone;
    EXPECT_EQ(CalcSunTimesSeries(2026, &copy, kLatitude, kLongitude), 364);
    EXPECT_EQ(sunTimesSeries.records[100].events[Dawn].velocity, 12345);

    // Other rules at the same address: recomputed.
    zone.Bias = 360;
    EXPECT_EQ(CalcSunTimesSeries(2026, &zone, kLatitude, kLongitude), 364);
    EXPECT_NE(sunTimesSeries.records[100].events[Dawn].velocity, 12345);

    sunTimesSeries.records[100].events[Dawn].velocity = 12345;
    EXPECT_EQ(CalcSunTimesSeries(2026, &zone, kLatitude + 0.5, kLongitude), 364);
    EXPECT_NE(sunTimesSeries.records[100].events[Dawn].velocity, 12345);

    // A negative year always recomputes.
    sunTimesSeries.records[100].events[Dawn].velocity = 12345;
    EXPECT_GT(CalcSunTimesSeries(-1, &zone, kLatitude, kLongitude), 0);
    EXPECT_NE(sunTimesSeries.records[100].events[Dawn].velocity, 12345);
    EXPECT_EQ(sunTimesSeries.records[0].year, CurrentUtcYear());
}

TEST_F(SunTimesSeriesTest, AFailedDayIsReportedAndNeverCached) {
    TIME_ZONE_INFORMATION broken = EasternZone();
    broken.StandardDate.wMonth = 0;
    SelectWholeYear(2026);
    EXPECT_EQ(CalcSunTimesSeries(2026, &broken, kLatitude, kLongitude), 0);
    EXPECT_EQ(std::wstring(TakePendingError().message), L"Invalid Timezone");
    // The same request again computes (and fails) again instead of a cached success.
    EXPECT_EQ(CalcSunTimesSeries(2026, &broken, kLatitude, kLongitude), 0);
    EXPECT_EQ(std::wstring(TakePendingError().message), L"Invalid Timezone");

    EXPECT_EQ(CalcSunTimesSeries(2026, nullptr, 95.0, kLongitude), 0);
    EXPECT_EQ(std::wstring(TakePendingError().message), L"Invalid Latitude: 95");
}

TEST_F(SunTimesSeriesTest, TheComputersZoneIsUsedWhenNoneIsGiven) {
    SelectWholeYear(2026);
    ASSERT_EQ(CalcSunTimesSeries(2026, nullptr, kLatitude, kLongitude), 364);
    EXPECT_EQ(sunTimesSeries.records[0].month, 1);
    EXPECT_EQ(sunTimesSeries.records[364].month, 12);
    EXPECT_EQ(sunTimesSeries.records[364].day, 31);
    EXPECT_EQ(std::wstring(TakePendingError().message), L"");
}

} // namespace
