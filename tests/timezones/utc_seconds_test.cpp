// Calendar arithmetic on UTC seconds, the portable _mkgmtime64/_gmtime64_s
// (runs natively and under Wine).
#include "timezones/utc_seconds.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

// Year, month 0-11, day, hour, minute, second; the weekday, day of year and
// daylight flag given are nonsense that must be ignored.
BrokenDownTime Tm(const int (&f)[6]) {
    return {f[5], f[4], f[3], f[2], f[1], f[0] - 1900, 99, 999, -1};
}

// Year, month 0-11, day, hour, minute, second, weekday, day of year, daylight flag.
std::vector<int> Fields(const BrokenDownTime& t) {
    return {t.tm_year + 1900, t.tm_mon,  t.tm_mday, t.tm_hour, t.tm_min,
            t.tm_sec,         t.tm_wday, t.tm_yday, t.tm_isdst};
}

} // namespace

TEST(UtcSeconds, CivilTimesNormaliseWithinTheClockRangeAndBreakDownAgain) {
    // clang-format off
    const struct {
        int in[6];
        int64_t seconds;
        std::vector<int> out;
    } cases[] = {
        {{1970, 0, 1, 0, 0, 0}, 0, {1970, 0, 1, 0, 0, 0, 4, 0, 0}}, // a Thursday
        {{2000, 11, 31, 0, 0, 0}, 978220800, {2000, 11, 31, 0, 0, 0, 0, 365, 0}}, // leap year
        {{2038, 0, 19, 3, 14, 7}, 2147483647, {2038, 0, 19, 3, 14, 7, 2, 18, 0}},
        {{2100, 11, 31, 12, 0, 0}, 4133937600, {2100, 11, 31, 12, 0, 0, 5, 364, 0}}, // common
        // The ends of the clock range, also reached by normalising 3001 and 1969.
        {{3000, 11, 31, 23, 59, 59}, kLastClockSecond, {3000, 11, 31, 23, 59, 59, 3, 364, 0}},
        {{3001, -1, 31, 23, 59, 59}, kLastClockSecond, {3000, 11, 31, 23, 59, 59, 3, 364, 0}},
        {{1969, 11, 31, 24, 0, 0}, 0, {1970, 0, 1, 0, 0, 0, 4, 0, 0}},
        // Out-of-range fields carry into the larger ones, both ways.
        {{2025, 12, 1, 0, 0, 0}, 1767225600, {2026, 0, 1, 0, 0, 0, 4, 0, 0}},
        {{2026, -1, 1, 0, 0, 0}, 1764547200, {2025, 11, 1, 0, 0, 0, 1, 334, 0}},
        {{2024, 2, 0, 0, 0, 0}, 1709164800, {2024, 1, 29, 0, 0, 0, 4, 59, 0}},
        {{2026, 1, 29, 0, 0, 0}, 1772323200, {2026, 2, 1, 0, 0, 0, 0, 59, 0}},
        {{2026, 0, 1, 0, 0, -1}, 1767225599, {2025, 11, 31, 23, 59, 59, 3, 364, 0}},
        {{2026, 0, 366, 0, 0, 0}, 1798761600, {2027, 0, 1, 0, 0, 0, 5, 0, 0}},
        {{1970, 0, 1, 0, 0, INT_MAX}, 2147483647, {2038, 0, 19, 3, 14, 7, 2, 18, 0}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.in));
        BrokenDownTime t = Tm(c.in), back;
        ASSERT_EQ(CivilToUtcSeconds(&t), c.seconds);
        EXPECT_EQ(Fields(t), c.out);
        ASSERT_TRUE(UtcSecondsToCivil(c.seconds, &back));
        EXPECT_EQ(Fields(back), c.out);
    }
    BrokenDownTime t = Tm({2026, 6, 4, 0, 0, 0});
    t.tm_wday = -5; // other nonsense is ignored as well
    t.tm_yday = 4000;
    t.tm_isdst = 1;
    EXPECT_EQ(CivilToUtcSeconds(&t), 1783123200);
    EXPECT_EQ(Fields(t), (std::vector<int>{2026, 6, 4, 0, 0, 0, 6, 184, 0}));
}

TEST(UtcSeconds, TimesOutsideTheClockRangeAreRefusedAndNothingIsWritten) {
    // tm_year must be within 69..1101 both before and after the months are folded in.
    // clang-format off
    const int refused[][6] = {
        {3000, 11, 31, 23, 59, 60}, {3001, 0, 1, 0, 0, 0}, {1969, 11, 31, 23, 59, 59},
        {1970, 0, 1, 0, 0, -1}, {9999, 0, 1, 0, 0, 0},
        {1968, 24, 1, 0, 0, 0}, {3002, -24, 1, 0, 0, 0}, {3001, 5, 40, 30, 70, 80},
        {2026, 0, INT_MAX, 0, 0, 0}, {2026, INT_MAX, 1, 0, 0, 0}, {2026, INT_MIN, 1, 0, 0, 0},
        {2026, 0, 1, INT_MIN, INT_MIN, INT_MIN},
    };
    // clang-format on
    for (const auto& in : refused) {
        SCOPED_TRACE(::testing::PrintToString(in));
        BrokenDownTime t = Tm(in);
        EXPECT_EQ(CivilToUtcSeconds(&t), -1);
        EXPECT_EQ(Fields(t), Fields(Tm(in)));
    }
    BrokenDownTime t;
    std::memset(&t, 0x5A, sizeof t);
    const BrokenDownTime before = t;
    for (int64_t seconds : {int64_t{-1}, kLastClockSecond + 1, INT64_MIN, INT64_MAX})
        EXPECT_FALSE(UtcSecondsToCivil(seconds, &t)) << seconds;
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
            year = t.tm_year + 1900;
            expectedYday = 0;
        }
        ASSERT_EQ(t.tm_yday, expectedYday++) << day;
        BrokenDownTime copy = t;
        ASSERT_EQ(CivilToUtcSeconds(&copy), seconds) << day;
        ASSERT_EQ(std::memcmp(&copy, &t, sizeof t), 0) << day;
        expectedWday = (expectedWday + 1) % 7;
    }
    EXPECT_EQ(year, 3000);
}
