// Calendar arithmetic on UTC seconds, the portable _mkgmtime64/_gmtime64_s
// (runs natively and under Wine).
#include "timezones/utc_seconds.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

BrokenDownTime Tm(int year, int month0, int mday, int hour = 0, int minute = 0, int second = 0) {
    BrokenDownTime t;
    std::memset(&t, 0, sizeof t);
    t.tm_year = year - 1900;
    t.tm_mon = month0;
    t.tm_mday = mday;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    t.tm_wday = 99;
    t.tm_yday = 999;
    return t;
}

void ExpectFields(const BrokenDownTime& t, int year, int month0, int mday, int hour, int minute,
                  int second, int wday, int yday) {
    EXPECT_EQ(t.tm_year + 1900, year);
    EXPECT_EQ(t.tm_mon, month0);
    EXPECT_EQ(t.tm_mday, mday);
    EXPECT_EQ(t.tm_hour, hour);
    EXPECT_EQ(t.tm_min, minute);
    EXPECT_EQ(t.tm_sec, second);
    EXPECT_EQ(t.tm_wday, wday);
    EXPECT_EQ(t.tm_yday, yday);
    EXPECT_EQ(t.tm_isdst, 0);
}

} // namespace

TEST(UtcSeconds, KnownInstants) {
    BrokenDownTime t = Tm(1970, 0, 1);
    EXPECT_EQ(CivilToUtcSeconds(&t), 0);
    ExpectFields(t, 1970, 0, 1, 0, 0, 0, 4, 0); // a Thursday
    t = Tm(2000, 1, 29);
    EXPECT_EQ(CivilToUtcSeconds(&t), 951782400);
    ExpectFields(t, 2000, 1, 29, 0, 0, 0, 2, 59);
    t = Tm(2026, 2, 8, 7, 0, 0);
    EXPECT_EQ(CivilToUtcSeconds(&t), 1772953200);
    ExpectFields(t, 2026, 2, 8, 7, 0, 0, 0, 66);
    t = Tm(2038, 0, 19, 3, 14, 7);
    EXPECT_EQ(CivilToUtcSeconds(&t), 2147483647);
    t = Tm(2100, 11, 31, 12);
    EXPECT_EQ(CivilToUtcSeconds(&t), 4133937600);
    ExpectFields(t, 2100, 11, 31, 12, 0, 0, 5, 364); // 2100 is a common year
    t = Tm(2000, 11, 31);
    EXPECT_NE(CivilToUtcSeconds(&t), -1);
    EXPECT_EQ(t.tm_yday, 365); // 2000 is a leap year
}

TEST(UtcSeconds, TheClockRange) {
    BrokenDownTime t = Tm(3000, 11, 31, 23, 59, 59);
    EXPECT_EQ(CivilToUtcSeconds(&t), kLastClockSecond);
    EXPECT_EQ(kLastClockSecond, 32535215999LL);
    ExpectFields(t, 3000, 11, 31, 23, 59, 59, 3, 364); // 3000 is a common year
    t = Tm(3000, 11, 31, 23, 59, 60);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(3001, 0, 1);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(1969, 11, 31, 23, 59, 59);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(1970, 0, 1, 0, 0, -1);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(1900, 0, 1);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(9999, 0, 1);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    // A time of 1969 that normalises into 1970 is fine, as in _mkgmtime64.
    t = Tm(1969, 11, 31, 24, 0, 0);
    EXPECT_EQ(CivilToUtcSeconds(&t), 0);
    ExpectFields(t, 1970, 0, 1, 0, 0, 0, 4, 0);
    t = Tm(1969, 11, 32);
    EXPECT_EQ(CivilToUtcSeconds(&t), 0);
    // tm_year itself must be within 69..1101 before months are folded in.
    t = Tm(1968, 24, 1);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(3002, -24, 1);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(3001, -1, 31, 23, 59, 59); // 3000-12-31 23:59:59 by another road
    EXPECT_EQ(CivilToUtcSeconds(&t), kLastClockSecond);
}

TEST(UtcSeconds, FailureLeavesTheFieldsAlone) {
    BrokenDownTime t = Tm(3001, 5, 40, 30, 70, 80);
    const BrokenDownTime before = t;
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    EXPECT_EQ(std::memcmp(&t, &before, sizeof t), 0);
}

TEST(UtcSeconds, Normalisation) {
    BrokenDownTime t = Tm(2025, 12, 1); // month 12 = January of the next year
    EXPECT_NE(CivilToUtcSeconds(&t), -1);
    ExpectFields(t, 2026, 0, 1, 0, 0, 0, 4, 0);
    t = Tm(2026, -1, 1); // month -1 = December of the year before
    CivilToUtcSeconds(&t);
    ExpectFields(t, 2025, 11, 1, 0, 0, 0, 1, 334);
    t = Tm(2026, -13, 1);
    CivilToUtcSeconds(&t);
    ExpectFields(t, 2024, 11, 1, 0, 0, 0, 0, 335);
    t = Tm(2026, 2, 0); // day 0 = the last day of the month before
    CivilToUtcSeconds(&t);
    ExpectFields(t, 2026, 1, 28, 0, 0, 0, 6, 58);
    t = Tm(2024, 2, 0);
    CivilToUtcSeconds(&t);
    ExpectFields(t, 2024, 1, 29, 0, 0, 0, 4, 59);
    t = Tm(2026, 1, 29); // 29 February of a common year = 1 March
    CivilToUtcSeconds(&t);
    ExpectFields(t, 2026, 2, 1, 0, 0, 0, 0, 59);
    t = Tm(2026, 0, 32);
    CivilToUtcSeconds(&t);
    ExpectFields(t, 2026, 1, 1, 0, 0, 0, 0, 31);
    t = Tm(2026, 0, 1, 0, 0, -1);
    EXPECT_EQ(CivilToUtcSeconds(&t), 1767225599);
    ExpectFields(t, 2025, 11, 31, 23, 59, 59, 3, 364);
    t = Tm(2026, 11, 31, 24, 0, 0);
    CivilToUtcSeconds(&t);
    ExpectFields(t, 2027, 0, 1, 0, 0, 0, 5, 0);
    t = Tm(2026, 0, 1, -1, 60, 0);
    EXPECT_EQ(CivilToUtcSeconds(&t), 1767225600);
    t = Tm(2026, 0, 366); // day 366 of a common year
    CivilToUtcSeconds(&t);
    ExpectFields(t, 2027, 0, 1, 0, 0, 0, 5, 0);
    t = Tm(1970, 0, 1, 0, 0, INT_MAX);
    EXPECT_EQ(CivilToUtcSeconds(&t), 2147483647);
    ExpectFields(t, 2038, 0, 19, 3, 14, 7, 2, 18);
    t = Tm(2026, 0, 1, 0, INT_MIN, 0);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(2026, 0, INT_MAX);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(2026, INT_MAX, 1);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(2026, INT_MIN, 1);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    t = Tm(2026, 0, 1, INT_MIN, INT_MIN, INT_MIN);
    EXPECT_EQ(CivilToUtcSeconds(&t), -1);
    // The weekday, day of year and daylight flag given are ignored.
    t = Tm(2026, 6, 4);
    t.tm_wday = -5;
    t.tm_yday = 4000;
    t.tm_isdst = 1;
    EXPECT_EQ(CivilToUtcSeconds(&t), 1783123200);
    ExpectFields(t, 2026, 6, 4, 0, 0, 0, 6, 184);
}

TEST(UtcSeconds, BreakingDown) {
    BrokenDownTime t;
    ASSERT_TRUE(UtcSecondsToCivil(0, &t));
    ExpectFields(t, 1970, 0, 1, 0, 0, 0, 4, 0);
    ASSERT_TRUE(UtcSecondsToCivil(951782400 + 86399, &t));
    ExpectFields(t, 2000, 1, 29, 23, 59, 59, 2, 59);
    ASSERT_TRUE(UtcSecondsToCivil(kLastClockSecond, &t));
    ExpectFields(t, 3000, 11, 31, 23, 59, 59, 3, 364); // 3000 is a common year
    ASSERT_TRUE(UtcSecondsToCivil(4133937600, &t));
    ExpectFields(t, 2100, 11, 31, 12, 0, 0, 5, 364);
    // Outside the clock's range: false, nothing written.
    std::memset(&t, 0x5A, sizeof t);
    BrokenDownTime before = t;
    EXPECT_FALSE(UtcSecondsToCivil(-1, &t));
    EXPECT_FALSE(UtcSecondsToCivil(kLastClockSecond + 1, &t));
    EXPECT_FALSE(UtcSecondsToCivil(INT64_MIN, &t));
    EXPECT_FALSE(UtcSecondsToCivil(INT64_MAX, &t));
    EXPECT_EQ(std::memcmp(&t, &before, sizeof t), 0);
}

TEST(UtcSeconds, EveryDayOfTheClockRoundTrips) {
    // Each day from 1970 to 3000 at a time that moves through the day.
    int expectedWday = 4, expectedYday = 0, year = 1970;
    for (int64_t day = 0; day * 86400 <= kLastClockSecond; ++day) {
        const int64_t seconds = day * 86400 + (day * 997) % 86400;
        BrokenDownTime t;
        ASSERT_TRUE(UtcSecondsToCivil(seconds, &t)) << day;
        ASSERT_EQ(t.tm_wday, expectedWday) << day;
        if (t.tm_year + 1900 != year) {
            ASSERT_EQ(t.tm_year + 1900, year + 1) << day;
            ASSERT_EQ(t.tm_yday, 0);
            year = t.tm_year + 1900;
            expectedYday = 0;
        }
        ASSERT_EQ(t.tm_yday, expectedYday) << day;
        BrokenDownTime copy = t;
        ASSERT_EQ(CivilToUtcSeconds(&copy), seconds) << day;
        ASSERT_EQ(std::memcmp(&copy, &t, sizeof t), 0) << day;
        expectedWday = (expectedWday + 1) % 7;
        ++expectedYday;
    }
    EXPECT_EQ(year, 3000);
}

TEST(UtcSeconds, DaysAndCivilDates) {
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
    EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
    EXPECT_EQ(DaysFromCivil(1601, 1, 1), -134774);
    int64_t year = 0;
    int month = 0, day = 0;
    CivilFromDays(-1, &year, &month, &day);
    EXPECT_EQ(year, 1969);
    EXPECT_EQ(month, 12);
    EXPECT_EQ(day, 31);
    CivilFromDays(-134774, &year, &month, &day);
    EXPECT_EQ(year, 1601);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(day, 1);
    // Round trips over a wide span, negative days included.
    for (int64_t d = -800000; d <= 3000000; d += 37) {
        CivilFromDays(d, &year, &month, &day);
        ASSERT_EQ(DaysFromCivil(year, month, day), d);
    }
}

TEST(UtcSeconds, SystemTimes) {
    SYSTEMTIME t;
    SecondsToSystemTime(-1, &t);
    EXPECT_EQ(t.wYear, 1969);
    EXPECT_EQ(t.wMonth, 12);
    EXPECT_EQ(t.wDay, 31);
    EXPECT_EQ(t.wHour, 23);
    EXPECT_EQ(t.wMinute, 59);
    EXPECT_EQ(t.wSecond, 59);
    EXPECT_EQ(t.wDayOfWeek, 3); // a Wednesday
    EXPECT_EQ(t.wMilliseconds, 0);
    EXPECT_EQ(SystemTimeToSeconds(&t), -1);
    SecondsToSystemTime(-11644473600LL, &t);
    EXPECT_EQ(t.wYear, 1601);
    EXPECT_EQ(t.wMonth, 1);
    EXPECT_EQ(t.wDay, 1);
    EXPECT_EQ(t.wDayOfWeek, 1); // a Monday
    SecondsToSystemTime(1772953200, &t);
    EXPECT_EQ(t.wYear, 2026);
    EXPECT_EQ(t.wMonth, 3);
    EXPECT_EQ(t.wDay, 8);
    EXPECT_EQ(t.wHour, 7);
    EXPECT_EQ(t.wDayOfWeek, 0);
    t.wMilliseconds = 999;
    t.wDayOfWeek = 5; // ignored
    EXPECT_EQ(SystemTimeToSeconds(&t), 1772953200);
}
