#include "suntimes/calendar.h"

#include <gtest/gtest.h>

#include <string>

#include "support/error_report.h"
#include "suntimes/sun_times_series.h"
#include "suntimes/test_zones.h"

namespace {

class Calendar : public ::testing::Test {
  protected:
    void SetUp() override { TakePendingError(); }
    void TearDown() override { TakePendingError(); }
    static std::wstring Pending() { return TakePendingError().message; }
};

TEST_F(Calendar, LeapRuleAndLastDayIndex) {
    for (int year : {2000, 2024, -4})
        EXPECT_TRUE(IsLeapYear(year)) << year;
    for (int year : {1900, 2026})
        EXPECT_FALSE(IsLeapYear(year)) << year;
    DecideLeapYear(2024);
    EXPECT_EQ(currentLastDayIndex, 365);
    EXPECT_EQ(currentMonthLengths[1], 29);
    DecideLeapYear(1900);
    EXPECT_EQ(currentLastDayIndex, 364);
    EXPECT_EQ(currentMonthLengths[1], 28);
}

// Every day of a leap and a common year survives the round trip.
TEST_F(Calendar, MonthDayAndYearDayConvertBothWays) {
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
    ASSERT_EQ(YearDayToMonthDay(2026, 0, nullptr, &day), 1);
    EXPECT_EQ(day, 1);
    EXPECT_EQ(Pending(), L"");
}

TEST_F(Calendar, BadDaysAreRejectedOrClampedWithTheirValue) {
    WORD month = 0, day = 0;
    int32_t m = 0, d = 0;
    auto expect = [](int result, int expected, const wchar_t* message) {
        EXPECT_EQ(result, expected) << message;
        EXPECT_EQ(Pending(), message);
    };
    expect(YearDayToMonthDay(2026, 365, &month, &day), 0, L"Invalid yearday: 365");
    expect(YearDayToMonthDay(2026, -1, &month, &day), 0, L"Invalid yearday: -1");
    expect(YearDayToMonthDayClamped(2026, -5, &m, &d), 0, L"Invalid yearday: -5");
    expect(YearDayToMonthDayClamped(2026, 365, &m, &d), 1, L"");
    EXPECT_EQ(m * 100 + d, 1231);
    expect(MonthDayToYearDay(0, 1, 2026, nullptr), 0, L"Invalid Month: 0");
    expect(MonthDayToYearDay(13, 1, 2026, nullptr), 0, L"Invalid Month: 13");
    expect(MonthDayToYearDay(4, 31, 2026, nullptr), 0, L"Invalid Month Day: 31");
    expect(MonthDayToYearDay(2, 29, 1900, nullptr), 0, L"Invalid Month Day: 29");
    expect(MonthDayToYearDay(2, 29, 2024, nullptr), 1, L"");
}

TEST_F(Calendar, RangeIsOrderedAndCounted) {
    ASSERT_EQ(SetSunTimesDateRange(Time(2026, 12, 1), Time(2026, 2, 1)), 304);
    EXPECT_EQ(sunTimesSeries.startDay, 31);
    EXPECT_EQ(sunTimesSeries.endDay, 334);
    EXPECT_EQ(sunTimesSeries.dayCount, 304);
    // The end date is read in the start's year.
    ASSERT_EQ(SetSunTimesDateRange(Time(2024, 1, 1), Time(2025, 12, 31)), 366);
    EXPECT_EQ(sunTimesSeries.endDay, 365);
    ASSERT_EQ(SetSunTimesDateRange(Time(2026, 5, 5), Time(2026, 5, 5)), 1);
    EXPECT_EQ(sunTimesSeries.startDay, sunTimesSeries.endDay);
}

TEST_F(Calendar, InvalidRangeDatesEmptyTheRange) {
    ASSERT_EQ(SetSunTimesDateRange(Time(2026, 3, 1), Time(2026, 3, 31)), 31);
    EXPECT_EQ(SetSunTimesDateRange(Time(2026, 4, 31), Time(2026, 5, 1)), 0);
    EXPECT_EQ(sunTimesSeries.dayCount, 0);
    // The specific message comes first and wins.
    EXPECT_EQ(Pending(), L"Invalid Month Day: 31");
    EXPECT_EQ(sunTimesSeries.startDay, 59); // the previous range stays
    EXPECT_EQ(SetSunTimesDateRange(Time(2026, 5, 1), Time(2026, 13, 1)), 0);
    EXPECT_EQ(Pending(), L"Invalid Month: 13");
    EXPECT_EQ(sunTimesSeries.dayCount, 0);
}

} // namespace
