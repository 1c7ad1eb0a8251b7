#include "suntimes/sun_times_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

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

    // Computes the whole year in the zone; the number of its last day.
    static int ComputeYear(int year, const TIME_ZONE_INFORMATION* zone, double latitude = kLatitude,
                           double longitude = kLongitude) {
        EXPECT_GT(SetSunTimesDateRange(Time(year, 1, 1), Time(year, 12, 31)), 0);
        return CalcSunTimesSeries(year, zone, latitude, longitude);
    }
    static const SunTimesRecord& Day(int year, int month, int dayOfMonth) {
        int32_t d = 0;
        MonthDayToYearDay(month, dayOfMonth, year, &d);
        return sunTimesSeries.records[d];
    }
    static std::wstring Message() { return TakePendingError().message; }
};

TEST_F(SunTimesSeriesTest, WorkedExampleOfAWinterDayAndItsExtremes) {
    const TIME_ZONE_INFORMATION zone = Zone(300);
    ASSERT_EQ(ComputeYear(2016, &zone), 365);
    // Velocities and periods themselves: the CSV export's worked example.
    // Period changes come from the slots' accelerations.
    const SunTimesRecord& r = Day(2016, 1, 14);
    ASSERT_EQ(r.day, 14);
    EXPECT_EQ(r.events[Sunrise].lengthAcceleration, 2 - (-3));
    EXPECT_EQ(r.events[Dusk].lengthAcceleration, -2 - 0);

    // The extremes of that one day, of the times and then of the periods.
    ASSERT_EQ(SetSunTimesDateRange(Time(2016, 1, 14), Time(2016, 1, 14)), 1);
    ASSERT_GT(CalcSunTimesSeries(2016, &zone, kLatitude, kLongitude), 0);
    const SunTimesSeries& s = sunTimesSeries;
    EXPECT_NEAR(s.minValue, 6.884722222, 1e-8);
    EXPECT_NEAR(s.maxValue, 17.446944444, 1e-8);
    EXPECT_EQ(std::make_pair(s.minVelocity, s.maxVelocity), std::make_pair(-22, 66));
    EXPECT_EQ(std::make_pair(s.minAcceleration, s.maxAcceleration), std::make_pair(-3, 2));
    sunTimesSeries.showLengths = kShowLengths;
    ASSERT_GT(CalcSunTimesSeries(2016, &zone, kLatitude, kLongitude), 0);
    EXPECT_NEAR(s.minValue, 9.555833333, 1e-8);
    EXPECT_NEAR(s.maxValue, 14.444166667, 1e-8);
    EXPECT_EQ(std::make_pair(s.minVelocity, s.maxVelocity), std::make_pair(-88, 88));
}

// Velocity is the change of the UTC clock time: the hours jump by the
// daylight change across 8 March while the velocity does not.
TEST_F(SunTimesSeriesTest, VelocityIsImmuneToDaylightTime) {
    const TIME_ZONE_INFORMATION zone = EasternZone();
    ASSERT_EQ(ComputeYear(2026, &zone), 364);
    const SunEvent& before = Day(2026, 3, 7).events[Sunset];
    const SunEvent& after = Day(2026, 3, 8).events[Sunset];
    EXPECT_NEAR(after.hours - before.hours, 1.0 + before.velocity / 3600.0, 1e-9);
    EXPECT_EQ(before.velocity, after.utcTime - before.utcTime - 86400);
    EXPECT_LT(std::abs(before.velocity), 120);
    // The last day extrapolates from the two before it.
    const SunTimesRecord* r = sunTimesSeries.records;
    EXPECT_EQ(r[364].events[Dawn].velocity,
              2 * r[363].events[Dawn].velocity - r[362].events[Dawn].velocity);
}

TEST_F(SunTimesSeriesTest, PolarDaysHaveWholeDayLengthsAndNoVelocity) {
    const TIME_ZONE_INFORMATION zone = Zone(-60);
    ASSERT_EQ(ComputeYear(2024, &zone, 80.0, 15.0), 365);
    const SunEvent* summer = Day(2024, 6, 25).events;
    EXPECT_EQ(summer[Sunrise].polarState, kPolarNeverSets);
    EXPECT_EQ(summer[Sunrise].length, 24.0); // Daylight
    EXPECT_EQ(summer[Sunset].length, 0.0);   // Night
    EXPECT_EQ(summer[Sunrise].velocity + summer[Sunset].velocity, 0);
    EXPECT_EQ(summer[Sunrise].lengthVelocity, 0);
    const SunEvent* winter = Day(2024, 12, 22).events;
    EXPECT_EQ(winter[Sunrise].polarState, kPolarNeverRises);
    EXPECT_EQ(winter[Sunrise].length, 0.0);
    EXPECT_EQ(winter[Sunset].length, 24.0);
    EXPECT_EQ(winter[Dawn].length, 0.0); // no twilight either
}

TEST_F(SunTimesSeriesTest, SunsetAfterLocalMidnightStillGivesADaylightWithinTheDay) {
    // Western edge of a zone far to the east of its clock: sunset past midnight.
    const TIME_ZONE_INFORMATION zone = Zone(-720);
    ASSERT_EQ(ComputeYear(2026, &zone, 60.0, 0.0), 364);
    const SunEvent* e = Day(2026, 6, 1).events;
    ASSERT_LT(e[Sunset].hours, e[Sunrise].hours);
    EXPECT_GT(e[Sunrise].length, 0.0);
    EXPECT_LT(e[Sunrise].length, 24.0);
    EXPECT_NEAR(e[Sunrise].length + e[Sunset].length, 24.0, 1e-9);
}

// A mark in a record survives a cache hit; any recomputation overwrites it.
TEST_F(SunTimesSeriesTest, AnUnchangedRequestIsServedFromTheCache) {
    TIME_ZONE_INFORMATION zone = Zone(300);
    ASSERT_EQ(ComputeYear(2026, &zone), 364);
    int& mark = sunTimesSeries.records[100].events[Dawn].velocity;
    const TIME_ZONE_INFORMATION copy = zone; // same rules elsewhere (a rebuilt catalogue)
    const struct {
        const char* what;
        int year;
        const TIME_ZONE_INFORMATION* zone;
        double latitude;
        int bias; // the zone's Bias first
        bool hit;
    } requests[] = {
        {"the same request", 2026, &zone, kLatitude, 300, true},
        {"the same rules at another address", 2026, &copy, kLatitude, 300, true},
        {"other rules at the same address", 2026, &zone, kLatitude, 360, false},
        {"another place", 2026, &zone, kLatitude + 0.5, 360, false},
        {"a negative year: the current one, always computed", -1, &zone, kLatitude + 0.5, 360,
         false},
    };
    for (const auto& r : requests) {
        SCOPED_TRACE(r.what);
        zone.Bias = r.bias;
        mark = 12345;
        EXPECT_GT(CalcSunTimesSeries(r.year, r.zone, r.latitude, kLongitude), 0);
        EXPECT_EQ(mark == 12345, r.hit);
    }
    EXPECT_EQ(sunTimesSeries.records[0].year, CurrentUtcYear());
}

TEST_F(SunTimesSeriesTest, AFailedDayIsReportedAndNeverCached) {
    TIME_ZONE_INFORMATION broken = EasternZone();
    broken.StandardDate.wMonth = 0;
    // The same request again computes (and fails) again instead of a cached success.
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(ComputeYear(2026, &broken), 0);
        EXPECT_EQ(Message(), L"Invalid Timezone");
    }
    EXPECT_EQ(CalcSunTimesSeries(2026, nullptr, 95.0, kLongitude), 0);
    EXPECT_EQ(Message(), L"Invalid Latitude: 95");
}

TEST_F(SunTimesSeriesTest, TheComputersZoneIsUsedWhenNoneIsGiven) {
    ASSERT_EQ(ComputeYear(2026, nullptr), 364);
    EXPECT_EQ(Message(), L"");
}

// Every day of a leap and a common year survives the round trip.
TEST_F(SunTimesSeriesTest, MonthDayAndYearDayConvertBothWays) {
    for (int year : {2024, 2026}) {
        DecideLeapYear(year);
        const int32_t last = currentLastDayIndex;
        for (int32_t d = 0; d <= last; ++d) {
            int32_t m = 0, dd = 0, back = -1;
            ASSERT_EQ(YearDayToMonthDayClamped(year, d, &m, &dd), 1);
            ASSERT_EQ(MonthDayToYearDay(m, dd, year, &back), 1);
            ASSERT_EQ(back, d);
        }
    }
    int32_t yearDay = -1;
    ASSERT_EQ(MonthDayToYearDay(3, 1, 2026, &yearDay), 1);
    EXPECT_EQ(yearDay, 59);
    WORD month = 0, day = 0;
    ASSERT_EQ(YearDayToMonthDay(2024, 59, &month, &day), 1);
    EXPECT_EQ(month * 100 + day, 229);
    EXPECT_EQ(Message(), L"");
}

TEST_F(SunTimesSeriesTest, BadDaysAreRejectedOrClampedWithTheirValue) {
    WORD month = 0, day = 0;
    int32_t m = 0, d = 0;
    auto expect = [](int result, int expected, const wchar_t* message) {
        EXPECT_EQ(result, expected) << message;
        EXPECT_EQ(Message(), message);
    };
    expect(YearDayToMonthDay(2026, 365, &month, &day), 0, L"Invalid yearday: 365");
    expect(YearDayToMonthDayClamped(2026, -5, &m, &d), 0, L"Invalid yearday: -5");
    expect(YearDayToMonthDayClamped(2026, 365, &m, &d), 1, L"");
    EXPECT_EQ(m * 100 + d, 1231);
    expect(MonthDayToYearDay(13, 1, 2026, nullptr), 0, L"Invalid Month: 13");
    expect(MonthDayToYearDay(4, 31, 2026, nullptr), 0, L"Invalid Month Day: 31");
    expect(MonthDayToYearDay(2, 29, 1900, nullptr), 0, L"Invalid Month Day: 29");
}

// Ordered and counted, the end read in the start's year; a bad date empties
// the range with its own message.
TEST_F(SunTimesSeriesTest, TheDateRange) {
    const SunTimesSeries& s = sunTimesSeries;
    ASSERT_EQ(SetSunTimesDateRange(Time(2026, 12, 1), Time(2026, 2, 1)), 304);
    EXPECT_EQ(std::make_pair(s.startDay, s.endDay), std::make_pair(31, 334));
    EXPECT_EQ(s.dayCount, 304);
    ASSERT_EQ(SetSunTimesDateRange(Time(2024, 1, 1), Time(2025, 12, 31)), 366);
    EXPECT_EQ(s.endDay, 365);
    ASSERT_EQ(SetSunTimesDateRange(Time(2026, 5, 5), Time(2026, 5, 5)), 1);
    EXPECT_EQ(s.startDay, s.endDay);
    EXPECT_EQ(SetSunTimesDateRange(Time(2026, 4, 31), Time(2026, 5, 1)), 0);
    EXPECT_EQ(s.dayCount, 0);
    EXPECT_EQ(Message(), L"Invalid Month Day: 31");
    EXPECT_EQ(s.startDay, 124); // the previous range stays
    EXPECT_EQ(SetSunTimesDateRange(Time(2026, 5, 1), Time(2026, 13, 1)), 0);
    EXPECT_EQ(Message(), L"Invalid Month: 13");
}

} // namespace
