// The portable Windows zone rules (runs natively and under Wine).
#include "timezones/zone_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "suntimes/test_zones.h"
#include "timezones/utc_seconds.h"

namespace {

using Tz = TIME_ZONE_INFORMATION;

std::vector<int> Fields(const SYSTEMTIME& t) {
    return {t.wYear,   t.wMonth,  t.wDay,          t.wHour,
            t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek};
}

// EU, as London: last Sunday of March 01:00 GMT to last Sunday of October 02:00 BST.
Tz London() {
    return Zone(0, -60, Recurring(3, 5, 0, 1), Recurring(10, 5, 0, 2));
}
// Sydney: first Sunday of October 02:00 AEST to first Sunday of April 03:00 AEDT.
Tz Sydney() {
    return Zone(-600, -60, Recurring(10, 1, 0, 2), Recurring(4, 1, 0, 3));
}

int64_t Seconds(SYSTEMTIME t) {
    return SystemTimeToSeconds(&t);
}

// Minutes east of UTC at the instant, or 99999 when the rules refuse.
int Offset(const Tz& zone, const SYSTEMTIME& utc) {
    SYSTEMTIME local;
    if (!ApplyZoneRules(&zone, &utc, &local)) return 99999;
    return static_cast<int>((Seconds(local) - Seconds(utc)) / 60);
}

} // namespace

TEST(ZoneRules, ChangesHappenAtTheExactMinute) {
    // Last Sunday of February; fourth (not last) Sunday of March; first Friday at
    // 00:30 and last Thursday at 23:00; half-hour daylight time; a change at 02:45.
    const Tz feb = Zone(0, -60, Recurring(2, 5, 0, 12), Recurring(10, 5, 0, 2)),
             fourth = Zone(0, -60, Recurring(3, 4, 0, 1), Recurring(10, 5, 0, 2)),
             fri = Zone(-120, -60, Recurring(4, 1, 5, 0, 30), Recurring(10, 5, 4, 23)),
             howe = Zone(-630, -30, Recurring(10, 1, 0, 2), Recurring(4, 1, 0, 2)),
             chatham = Zone(-765, -60, Recurring(9, 5, 0, 2, 45), Recurring(4, 1, 0, 3, 45));
    // Absolute dates: their weekday (a wrong one here) and, as in Windows and Wine,
    // their year play no part; southern order within one month (standard time 1-19 June).
    const Tz absolute = Zone(0, -60, Time(2026, 3, 29, 1, 0, 0, 0, 3), Time(2026, 10, 25, 2)),
             south = Zone(240, -60, Time(2004, 6, 20), Time(2004, 6, 1));
    // clang-format off
    const struct {
        Tz zone;
        SYSTEMTIME utc; // the offset is `before` a minute and a second earlier, `after` at it
        int before, after;
    } cases[] = {
        {EasternZone(), Time(2026, 3, 8, 7), -300, -240}, {EasternZone(), Time(2026, 11, 1, 6), -240, -300},
        // Last Sundays in months with five Sundays (March 2026, October 2027) or four.
        {London(), Time(2026, 3, 29, 1), 0, 60}, {London(), Time(2027, 3, 28, 1), 0, 60},
        {London(), Time(2026, 10, 25, 1), 60, 0}, {London(), Time(2027, 10, 31, 1), 60, 0},
        {feb, Time(2032, 2, 29, 12), 0, 60}, {feb, Time(2031, 2, 23, 12), 0, 60},
        {fourth, Time(2026, 3, 22, 1), 0, 60},
        {fri, Time(2026, 4, 2, 22, 30), 120, 180}, {fri, Time(2026, 10, 29, 20), 180, 120},
        {Sydney(), Time(2026, 4, 4, 16), 660, 600}, {Sydney(), Time(2026, 10, 3, 16), 600, 660},
        {howe, Time(2026, 10, 3, 15, 30), 630, 660}, {howe, Time(2026, 4, 4, 15), 660, 630},
        {chatham, Time(2026, 9, 26, 14), 765, 825},
        {absolute, Time(2026, 3, 29, 1), 0, 60}, {absolute, Time(2026, 10, 25, 1), 60, 0},
        {south, Time(2004, 6, 1, 3), -180, -240}, {south, Time(2004, 6, 20, 4), -240, -180},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(Fields(c.utc)));
        SYSTEMTIME minuteBefore, secondBefore;
        SecondsToSystemTime(Seconds(c.utc) - 60, &minuteBefore);
        SecondsToSystemTime(Seconds(c.utc) - 1, &secondBefore);
        EXPECT_EQ(Offset(c.zone, minuteBefore), c.before);
        EXPECT_EQ(Offset(c.zone, secondBefore), c.before);
        EXPECT_EQ(Offset(c.zone, c.utc), c.after);
    }
}

TEST(ZoneRules, LocalTimesAndPhases) {
    const Tz south = Zone(240, -60, Time(2004, 6, 20), Time(2004, 6, 1)),
             standardBias = Zone(300, -60, Recurring(3, 2, 0, 2), Recurring(11, 1, 0, 2), 15),
             // Without a DaylightDate the other fields count for nothing.
        noDaylight = Zone(300, -60, SYSTEMTIME{}, Recurring(11, 1, 0, 2), 30),
             junk = Zone(-60, INT_MIN, SYSTEMTIME{}, Time(0, 77, 0), 5000),
             // The largest biases accepted.
        largest = Zone(-2880, -1440, Recurring(3, 2, 0, 2), Recurring(11, 1, 0, 2));
    const ZoneRulePhase kStd = kZonePhaseStandard, kDay = kZonePhaseDaylight,
                        kNone = kZonePhaseUnknown;
    // clang-format off
    const struct {
        Tz zone;
        SYSTEMTIME utc, local; // the UTC weekday is ignored
        int weekday;           // the local one
        ZoneRulePhase phase;
    } cases[] = {
        // The year is that of local standard time: before local midnight of
        // 1 January, the old year; the last year of the range.
        {EasternZone(), Time(2027, 1, 1, 3, 30), Time(2026, 12, 31, 22, 30), 4, kStd},
        {EasternZone(), Time(30827, 7, 1, 12), Time(30827, 7, 1, 8), 4, kDay},
        // Southern order: daylight time goes on across the new year.
        {Sydney(), Time(2026, 12, 31, 12, 59), Time(2026, 12, 31, 23, 59), 4, kDay},
        {Sydney(), Time(2026, 12, 31, 13, 0), Time(2027, 1, 1, 0, 0), 5, kDay},
        // Absolute dates in southern order within one month.
        {south, Time(2004, 5, 31, 12), Time(2004, 5, 31, 9), 1, kDay},
        // StandardBias counts in standard time only, and only with daylight time.
        {standardBias, Time(2026, 1, 15, 12), Time(2026, 1, 15, 6, 45), 4, kStd},
        {standardBias, Time(2026, 7, 15, 12), Time(2026, 7, 15, 8), 3, kDay},
        {noDaylight, Time(2026, 1, 15, 12), Time(2026, 1, 15, 7), 4, kNone},
        {junk, Time(2026, 6, 15, 12), Time(2026, 6, 15, 13), 1, kNone},
        {largest, Time(2026, 6, 15, 12), Time(2026, 6, 18, 12), 4, kDay},
        // Without daylight time: across days and the leap day; seconds and
        // milliseconds kept; the ends of the SYSTEMTIME range.
        {Zone(2880), Time(2026, 6, 15, 12), Time(2026, 6, 13, 12), 6, kNone},
        {Zone(-840), Time(2028, 2, 28, 10), Time(2028, 2, 29, 0), 2, kNone},
        {Zone(-345), Time(2026, 6, 15, 12, 0, 7, 250), Time(2026, 6, 15, 17, 45, 7, 250), 1, kNone},
        {Zone(-300), Time(1601, 1, 1), Time(1601, 1, 1, 5), 1, kNone},
        {Zone(300), Time(30827, 12, 31, 23, 59, 59, 999), Time(30827, 12, 31, 18, 59, 59, 999), 5,
         kNone},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(Fields(c.utc)));
        SYSTEMTIME utc = c.utc, local, expected = c.local;
        utc.wDayOfWeek = 6;
        expected.wDayOfWeek = static_cast<WORD>(c.weekday);
        ASSERT_TRUE(ApplyZoneRules(&c.zone, &utc, &local));
        EXPECT_EQ(Fields(local), Fields(expected));
        EXPECT_EQ(ZonePhaseAtUtc(&c.zone, &utc), c.phase);
    }
}

TEST(ZoneRules, InvalidRecordsAreRefused) {
    const SYSTEMTIME utc = Time(2026, 6, 15, 12);
    // clang-format off
    void (*const changes[])(Tz&) = {
        [](Tz& z) { z.DaylightDate.wDay = 0; }, [](Tz& z) { z.StandardDate.wDay = 6; },
        [](Tz& z) { z.DaylightDate.wMonth = 13; }, [](Tz& z) { z.StandardDate.wMonth = 0; },
        [](Tz& z) { z.StandardDate.wDayOfWeek = 0xFFFF; },
        [](Tz& z) { z.DaylightDate.wHour = 24; }, [](Tz& z) { z.StandardDate.wMinute = 60; },
        // Absolute dates, day 32 and day 0.
        [](Tz& z) { z.DaylightDate.wYear = 2026, z.DaylightDate.wDay = 32; },
        [](Tz& z) { z.StandardDate.wYear = 2026, z.StandardDate.wDay = 0; },
        [](Tz& z) { z.Bias = -2881; }, [](Tz& z) { z.StandardBias = 1441; },
        [](Tz& z) { z.DaylightBias = 0x7FFFFFFF; }, [](Tz& z) { z = Zone(INT_MIN); },
    };
    // clang-format on
    for (size_t i = 0; i < sizeof changes / sizeof changes[0]; ++i) {
        Tz z = EasternZone();
        changes[i](z);
        SYSTEMTIME local = Time(1999, 9, 9, 9, 9, 9);
        EXPECT_FALSE(ApplyZoneRules(&z, &utc, &local)) << i;
        EXPECT_EQ(ZonePhaseAtUtc(&z, &utc), kZonePhaseInvalid) << i;
        EXPECT_EQ(Fields(local), Fields(Time(1999, 9, 9, 9, 9, 9))) << i; // untouched
    }
    const Tz z = EasternZone();
    SYSTEMTIME local;
    EXPECT_FALSE(ApplyZoneRules(nullptr, &utc, &local));
    EXPECT_FALSE(ApplyZoneRules(&z, nullptr, &local));
    EXPECT_FALSE(ApplyZoneRules(&z, &utc, nullptr));
    EXPECT_EQ(ZonePhaseAtUtc(&z, nullptr), kZonePhaseInvalid);
}

TEST(ZoneRules, InvalidUtcTimesAndLocalTimesOutsideTheRangeAreRefused) {
    // clang-format off
    const SYSTEMTIME bad[] = {
        Time(2026, 2, 29, 12), Time(2026, 4, 31, 12), Time(2026, 13, 1), Time(2026, 1, 0),
        Time(2026, 1, 1, 24), Time(2026, 1, 1, 0, 60), Time(2026, 1, 1, 0, 0, 60),
        Time(2026, 1, 1, 0, 0, 0, 1000), Time(1600, 12, 31, 12), Time(30828, 1, 1)};
    // clang-format on
    SYSTEMTIME local;
    for (const Tz& z : {EasternZone(), Zone(-60)}) {
        for (const SYSTEMTIME& utc : bad) {
            EXPECT_FALSE(ApplyZoneRules(&z, &utc, &local))
                << utc.wYear << "-" << utc.wMonth << "-" << utc.wDay;
            EXPECT_EQ(ZonePhaseAtUtc(&z, &utc), kZonePhaseInvalid);
        }
    }
    // A local time before 1601 or after 30827 cannot be given.
    const Tz west = Zone(300), east = Zone(-300);
    const SYSTEMTIME first = Time(1601, 1, 1), last = Time(30827, 12, 31, 23, 59, 59, 999);
    EXPECT_FALSE(ApplyZoneRules(&west, &first, &local));
    EXPECT_FALSE(ApplyZoneRules(&east, &last, &local));
}
