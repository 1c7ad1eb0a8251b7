// The portable Windows zone rules (runs natively and under Wine).
#include "timezones/zone_rules.h"

#include <gtest/gtest.h>

#include <cstring>

#include "timezones/utc_seconds.h"

namespace {

SYSTEMTIME Time(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                int milliseconds = 0) {
    SYSTEMTIME t;
    std::memset(&t, 0, sizeof t);
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    t.wSecond = static_cast<WORD>(second);
    t.wMilliseconds = static_cast<WORD>(milliseconds);
    return t;
}

// A recurring change date: the week-th (5 = last) weekday of month at hour:minute.
SYSTEMTIME Recurring(int month, int week, int weekday, int hour, int minute = 0) {
    SYSTEMTIME t;
    std::memset(&t, 0, sizeof t);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(week);
    t.wDayOfWeek = static_cast<WORD>(weekday);
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    return t;
}

TIME_ZONE_INFORMATION Zone(LONG bias, LONG daylightBias, const SYSTEMTIME& daylightDate,
                           const SYSTEMTIME& standardDate) {
    TIME_ZONE_INFORMATION z;
    std::memset(&z, 0, sizeof z);
    z.Bias = bias;
    z.DaylightBias = daylightBias;
    z.DaylightDate = daylightDate;
    z.StandardDate = standardDate;
    return z;
}

TIME_ZONE_INFORMATION FixedZone(LONG bias) {
    TIME_ZONE_INFORMATION z;
    std::memset(&z, 0, sizeof z);
    z.Bias = bias;
    return z;
}

// US Eastern: second Sunday of March 02:00 to first Sunday of November 02:00.
TIME_ZONE_INFORMATION Eastern() {
    return Zone(300, -60, Recurring(3, 2, 0, 2), Recurring(11, 1, 0, 2));
}
// EU, as London: last Sunday of March 01:00 GMT to last Sunday of October 02:00 BST.
TIME_ZONE_INFORMATION London() {
    return Zone(0, -60, Recurring(3, 5, 0, 1), Recurring(10, 5, 0, 2));
}
// Sydney: first Sunday of October 02:00 AEST to first Sunday of April 03:00 AEDT.
TIME_ZONE_INFORMATION Sydney() {
    return Zone(-600, -60, Recurring(10, 1, 0, 2), Recurring(4, 1, 0, 3));
}

// Minutes east of UTC at the instant, or 99999 when the rules refuse.
int Offset(const TIME_ZONE_INFORMATION& zone, const SYSTEMTIME& utc) {
    SYSTEMTIME local;
    if (!ApplyZoneRules(&zone, &utc, &local)) return 99999;
    return static_cast<int>((SystemTimeToSeconds(&local) - SystemTimeToSeconds(&utc)) / 60);
}

// Expects the change of phase to happen exactly at the given UTC minute.
void ExpectChangeAt(const TIME_ZONE_INFORMATION& zone, const SYSTEMTIME& utc, int before,
                    int after) {
    const int64_t at = SystemTimeToSeconds(&utc);
    SYSTEMTIME justBefore, lastSecond;
    SecondsToSystemTime(at - 60, &justBefore);
    SecondsToSystemTime(at - 1, &lastSecond);
    EXPECT_EQ(Offset(zone, justBefore), before)
        << utc.wYear << "-" << utc.wMonth << "-" << utc.wDay;
    EXPECT_EQ(Offset(zone, lastSecond), before)
        << utc.wYear << "-" << utc.wMonth << "-" << utc.wDay;
    EXPECT_EQ(Offset(zone, utc), after) << utc.wYear << "-" << utc.wMonth << "-" << utc.wDay;
}

void ExpectLocal(const TIME_ZONE_INFORMATION& zone, const SYSTEMTIME& utc, int year, int month,
                 int day, int hour, int minute, int weekday) {
    SYSTEMTIME local;
    ASSERT_TRUE(ApplyZoneRules(&zone, &utc, &local));
    EXPECT_EQ(local.wYear, year);
    EXPECT_EQ(local.wMonth, month);
    EXPECT_EQ(local.wDay, day);
    EXPECT_EQ(local.wHour, hour);
    EXPECT_EQ(local.wMinute, minute);
    EXPECT_EQ(local.wDayOfWeek, weekday);
}

} // namespace

TEST(ZoneRules, SecondSundayOfMarchToFirstSundayOfNovember) {
    const TIME_ZONE_INFORMATION z = Eastern();
    // 2026: 8 March and 1 November; 2025: 9 March, 2 November; 2024: 10 March, 3 November.
    ExpectChangeAt(z, Time(2026, 3, 8, 7, 0), -300, -240);
    ExpectChangeAt(z, Time(2026, 11, 1, 6, 0), -240, -300);
    ExpectChangeAt(z, Time(2025, 3, 9, 7, 0), -300, -240);
    ExpectChangeAt(z, Time(2025, 11, 2, 6, 0), -240, -300);
    ExpectChangeAt(z, Time(2024, 3, 10, 7, 0), -300, -240);
    ExpectChangeAt(z, Time(2024, 11, 3, 6, 0), -240, -300);
    // The wall clock: 01:59 EST, then 03:00 EDT; 01:59 EDT, then 01:00 EST.
    ExpectLocal(z, Time(2026, 3, 8, 6, 59), 2026, 3, 8, 1, 59, 0);
    ExpectLocal(z, Time(2026, 3, 8, 7, 0), 2026, 3, 8, 3, 0, 0);
    ExpectLocal(z, Time(2026, 11, 1, 5, 59), 2026, 11, 1, 1, 59, 0);
    ExpectLocal(z, Time(2026, 11, 1, 6, 0), 2026, 11, 1, 1, 0, 0);

    SYSTEMTIME winter = Time(2026, 1, 15, 12), summer = Time(2026, 7, 4, 12);
    EXPECT_EQ(ZonePhaseAtUtc(&z, &winter), kZonePhaseStandard);
    EXPECT_EQ(ZonePhaseAtUtc(&z, &summer), kZonePhaseDaylight);
    // Before local midnight of 1 January: the old year, still standard time.
    ExpectLocal(z, Time(2027, 1, 1, 3, 30), 2026, 12, 31, 22, 30, 4);
}

TEST(ZoneRules, LastSundayInMonthsWithFourOrFiveSundays) {
    const TIME_ZONE_INFORMATION z = London();
    // March 2026 has five Sundays (last 29), March 2027 four (last 28).
    ExpectChangeAt(z, Time(2026, 3, 29, 1, 0), 0, 60);
    ExpectChangeAt(z, Time(2027, 3, 28, 1, 0), 0, 60);
    // October 2026 has four Sundays (last 25), October 2027 five (last 31).
    ExpectChangeAt(z, Time(2026, 10, 25, 1, 0), 60, 0);
    ExpectChangeAt(z, Time(2027, 10, 31, 1, 0), 60, 0);
    // February of a leap year: 29 February 2032 is a Sunday.
    const TIME_ZONE_INFORMATION feb = Zone(0, -60, Recurring(2, 5, 0, 12), Recurring(10, 5, 0, 2));
    ExpectChangeAt(feb, Time(2032, 2, 29, 12, 0), 0, 60);
    ExpectChangeAt(feb, Time(2031, 2, 23, 12, 0), 0, 60);
}

TEST(ZoneRules, FourthWeekdayIsNotTheLastInAMonthWithFive) {
    // Fourth Sunday of March 2026 is the 22nd (the last is the 29th).
    const TIME_ZONE_INFORMATION z = Zone(0, -60, Recurring(3, 4, 0, 1), Recurring(10, 5, 0, 2));
    ExpectChangeAt(z, Time(2026, 3, 22, 1, 0), 0, 60);
    // Other weekdays and hours: first Friday of April 2026 (the 3rd) at 00:30.
    const TIME_ZONE_INFORMATION fri =
        Zone(-120, -60, Recurring(4, 1, 5, 0, 30), Recurring(10, 5, 4, 23));
    ExpectChangeAt(fri, Time(2026, 4, 2, 22, 30), 120, 180);
    // Last Thursday of October 2026 (the 29th) at 23:00 daylight time.
    ExpectChangeAt(fri, Time(2026, 10, 29, 20, 0), 180, 120);
}

TEST(ZoneRules, SouthernHemisphereOrder) {
    const TIME_ZONE_INFORMATION z = Sydney();
    ASSERT_GT(z.DaylightDate.wMonth, z.StandardDate.wMonth);
    // 2026: standard time from 5 April 03:00 AEDT (4 April 16:00 UTC),
    // daylight time from 4 October 02:00 AEST (3 October 16:00 UTC).
    ExpectChangeAt(z, Time(2026, 4, 4, 16, 0), 660, 600);
    ExpectChangeAt(z, Time(2026, 10, 3, 16, 0), 600, 660);
    ExpectLocal(z, Time(2026, 4, 4, 15, 59), 2026, 4, 5, 2, 59, 0);
    ExpectLocal(z, Time(2026, 4, 4, 16, 0), 2026, 4, 5, 2, 0, 0);
    ExpectLocal(z, Time(2026, 10, 3, 16, 0), 2026, 10, 4, 3, 0, 0);
    SYSTEMTIME january = Time(2026, 1, 15, 12), july = Time(2026, 7, 15, 12);
    EXPECT_EQ(ZonePhaseAtUtc(&z, &january), kZonePhaseDaylight);
    EXPECT_EQ(ZonePhaseAtUtc(&z, &july), kZonePhaseStandard);
    // Across the new year daylight time goes on.
    ExpectLocal(z, Time(2026, 12, 31, 12, 59), 2026, 12, 31, 23, 59, 4);
    ExpectLocal(z, Time(2026, 12, 31, 13, 0), 2027, 1, 1, 0, 0, 5);
    EXPECT_EQ(Offset(z, Time(2027, 1, 1, 0, 0)), 660);
}

TEST(ZoneRules, AbsoluteDates) {
    TIME_ZONE_INFORMATION z = Zone(0, -60, Time(2026, 3, 29, 1, 0), Time(2026, 10, 25, 2, 0));
    ExpectChangeAt(z, Time(2026, 3, 29, 1, 0), 0, 60);
    ExpectChangeAt(z, Time(2026, 10, 25, 1, 0), 60, 0);
    // The weekday of an absolute date plays no part.
    z.DaylightDate.wDayOfWeek = 3;
    ExpectChangeAt(z, Time(2026, 3, 29, 1, 0), 0, 60);
    // As in Windows and Wine the year of an absolute date is not compared:
    // the same month and day apply in other years.
    ExpectChangeAt(z, Time(2030, 3, 29, 1, 0), 0, 60);
    // Absolute dates in southern order, both in one month: standard time
    // from 1 June 00:00 (daylight), daylight time again from 20 June 00:00.
    TIME_ZONE_INFORMATION south = Zone(240, -60, Time(2004, 6, 20, 0, 0), Time(2004, 6, 1, 0, 0));
    EXPECT_EQ(Offset(south, Time(2004, 5, 31, 12, 0)), -180);
    ExpectChangeAt(south, Time(2004, 6, 1, 3, 0), -180, -240);
    ExpectChangeAt(south, Time(2004, 6, 20, 4, 0), -240, -180);
    EXPECT_EQ(Offset(south, Time(2004, 12, 31, 12, 0)), -180);
}

TEST(ZoneRules, ZonesWithoutDaylightTime) {
    TIME_ZONE_INFORMATION z = FixedZone(-345); // Kathmandu
    SYSTEMTIME utc = Time(2026, 6, 15, 12, 0, 7, 250), local;
    EXPECT_EQ(ZonePhaseAtUtc(&z, &utc), kZonePhaseUnknown);
    ASSERT_TRUE(ApplyZoneRules(&z, &utc, &local));
    EXPECT_EQ(local.wHour, 17);
    EXPECT_EQ(local.wMinute, 45);
    EXPECT_EQ(local.wSecond, 7);
    EXPECT_EQ(local.wMilliseconds, 250);
    EXPECT_EQ(local.wDayOfWeek, 1);
    // Across midnight, month and year backwards.
    ExpectLocal(FixedZone(300), Time(2026, 1, 1, 3, 0), 2025, 12, 31, 22, 0, 3);
    ExpectLocal(FixedZone(-840), Time(2026, 2, 28, 10, 0), 2026, 3, 1, 0, 0, 0);
    ExpectLocal(FixedZone(-840), Time(2028, 2, 28, 10, 0), 2028, 2, 29, 0, 0, 2);
    // StandardBias and the daylight fields count for nothing without a DaylightDate.
    z = FixedZone(300);
    z.StandardBias = 30;
    z.DaylightBias = -60;
    z.StandardDate = Recurring(11, 1, 0, 2);
    EXPECT_EQ(Offset(z, Time(2026, 1, 15, 12, 0)), -300);
    EXPECT_EQ(Offset(z, Time(2026, 7, 15, 12, 0)), -300);
}

TEST(ZoneRules, StandardBiasAppliesInStandardTime) {
    TIME_ZONE_INFORMATION z = Eastern();
    z.StandardBias = 15;
    EXPECT_EQ(Offset(z, Time(2026, 1, 15, 12, 0)), -315);
    EXPECT_EQ(Offset(z, Time(2026, 7, 15, 12, 0)), -240);
}

TEST(ZoneRules, ChangeDatesWithMinutes) {
    // Lord Howe: +10:30, daylight +11 from 2:00 on the first Sunday of October.
    const TIME_ZONE_INFORMATION z = Zone(-630, -30, Recurring(10, 1, 0, 2), Recurring(4, 1, 0, 2));
    ExpectChangeAt(z, Time(2026, 10, 3, 15, 30), 630, 660);
    ExpectChangeAt(z, Time(2026, 4, 4, 15, 0), 660, 630);
    // A change at 02:45 local (Chatham style).
    const TIME_ZONE_INFORMATION c =
        Zone(-765, -60, Recurring(9, 5, 0, 2, 45), Recurring(4, 1, 0, 3, 45));
    ExpectChangeAt(c, Time(2026, 9, 26, 14, 0), 765, 825);
}

TEST(ZoneRules, InvalidRecordsAreRefused) {
    const SYSTEMTIME utc = Time(2026, 6, 15, 12, 0);
    SYSTEMTIME local = Time(1999, 9, 9, 9, 9, 9);
    const SYSTEMTIME untouched = local;
    auto refused = [&](const TIME_ZONE_INFORMATION& z) {
        const bool result =
            !ApplyZoneRules(&z, &utc, &local) && ZonePhaseAtUtc(&z, &utc) == kZonePhaseInvalid;
        return result && std::memcmp(&local, &untouched, sizeof local) == 0;
    };
    TIME_ZONE_INFORMATION z;
    z = Eastern();
    z.DaylightDate.wDay = 0;
    EXPECT_TRUE(refused(z)) << "wDay 0";
    z = Eastern();
    z.DaylightDate.wDay = 6;
    EXPECT_TRUE(refused(z)) << "wDay 6";
    z = Eastern();
    z.StandardDate.wDay = 6;
    EXPECT_TRUE(refused(z)) << "standard wDay 6";
    z = Eastern();
    z.DaylightDate.wMonth = 13;
    EXPECT_TRUE(refused(z)) << "month 13";
    z = Eastern();
    z.StandardDate.wMonth = 13;
    EXPECT_TRUE(refused(z)) << "standard month 13";
    z = Eastern();
    z.StandardDate.wMonth = 0;
    EXPECT_TRUE(refused(z)) << "no standard date";
    z = Eastern();
    z.DaylightDate.wDayOfWeek = 7;
    EXPECT_TRUE(refused(z)) << "weekday 7";
    z = Eastern();
    z.StandardDate.wDayOfWeek = 0xFFFF;
    EXPECT_TRUE(refused(z)) << "weekday 65535";
    z = Eastern();
    z.DaylightDate.wHour = 24;
    EXPECT_TRUE(refused(z)) << "hour 24";
    z = Eastern();
    z.StandardDate.wMinute = 60;
    EXPECT_TRUE(refused(z)) << "minute 60";
    z = London();
    z.DaylightDate.wYear = 2026;
    z.DaylightDate.wDay = 32;
    EXPECT_TRUE(refused(z)) << "day 32";
    z = London();
    z.StandardDate.wYear = 2026;
    z.StandardDate.wDay = 0;
    EXPECT_TRUE(refused(z)) << "day 0";
    z = Eastern();
    z.Bias = 100000;
    EXPECT_TRUE(refused(z)) << "bias";
    z = Eastern();
    z.Bias = -2881;
    EXPECT_TRUE(refused(z)) << "bias";
    z = Eastern();
    z.DaylightBias = -100000;
    EXPECT_TRUE(refused(z)) << "daylight bias";
    z = Eastern();
    z.StandardBias = 1441;
    EXPECT_TRUE(refused(z)) << "standard bias";
    z = Eastern();
    z.DaylightBias = 0x7FFFFFFF;
    EXPECT_TRUE(refused(z)) << "daylight bias max";
    z = FixedZone(100000);
    EXPECT_TRUE(refused(z)) << "fixed bias";
    z = FixedZone(-2147483647 - 1);
    EXPECT_TRUE(refused(z)) << "fixed bias min";
    // Without daylight time the unused fields may hold anything.
    z = FixedZone(-60);
    z.StandardBias = 5000;
    z.DaylightBias = -2147483647 - 1;
    z.StandardDate.wMonth = 77;
    EXPECT_EQ(Offset(z, utc), 60);
    // The largest accepted biases still work.
    z = FixedZone(2880);
    EXPECT_EQ(Offset(z, utc), -2880);
    z = Eastern();
    z.Bias = -2880;
    z.DaylightBias = -1440;
    EXPECT_NE(Offset(z, utc), 99999);
    // Null pointers.
    z = Eastern();
    EXPECT_FALSE(ApplyZoneRules(nullptr, &utc, &local));
    EXPECT_FALSE(ApplyZoneRules(&z, nullptr, &local));
    EXPECT_FALSE(ApplyZoneRules(&z, &utc, nullptr));
    EXPECT_EQ(ZonePhaseAtUtc(nullptr, &utc), kZonePhaseInvalid);
    EXPECT_EQ(ZonePhaseAtUtc(&z, nullptr), kZonePhaseInvalid);
}

TEST(ZoneRules, InvalidUtcTimesAreRefused) {
    const TIME_ZONE_INFORMATION zones[2] = {Eastern(), FixedZone(-60)};
    const SYSTEMTIME bad[] = {Time(2026, 2, 29, 12),      Time(2026, 2, 30, 12),
                              Time(2026, 4, 31, 12),      Time(2026, 0, 1),
                              Time(2026, 13, 1),          Time(2026, 1, 0),
                              Time(2026, 1, 1, 24),       Time(2026, 1, 1, 0, 60),
                              Time(2026, 1, 1, 0, 0, 60), Time(2026, 1, 1, 0, 0, 0, 1000),
                              Time(1600, 12, 31, 12),     Time(0, 1, 1),
                              Time(30828, 1, 1),          Time(65535, 12, 31)};
    for (const TIME_ZONE_INFORMATION& z : zones) {
        for (const SYSTEMTIME& utc : bad) {
            SYSTEMTIME local;
            EXPECT_FALSE(ApplyZoneRules(&z, &utc, &local))
                << utc.wYear << "-" << utc.wMonth << "-" << utc.wDay;
            EXPECT_EQ(ZonePhaseAtUtc(&z, &utc), kZonePhaseInvalid);
        }
    }
    // 29 February of a leap year is fine; the weekday given is ignored.
    SYSTEMTIME leap = Time(2028, 2, 29, 12), local;
    leap.wDayOfWeek = 6;
    ASSERT_TRUE(ApplyZoneRules(&zones[1], &leap, &local));
    EXPECT_EQ(local.wDayOfWeek, 2);
}

TEST(ZoneRules, TheEndsOfTheSystemTimeRange) {
    SYSTEMTIME local;
    // A local time before 1601 or after 30827 cannot be given.
    SYSTEMTIME first = Time(1601, 1, 1, 0, 0);
    const TIME_ZONE_INFORMATION west = FixedZone(300), east = FixedZone(-300);
    EXPECT_FALSE(ApplyZoneRules(&west, &first, &local));
    ASSERT_TRUE(ApplyZoneRules(&east, &first, &local));
    EXPECT_EQ(local.wYear, 1601);
    EXPECT_EQ(local.wHour, 5);
    EXPECT_EQ(local.wDayOfWeek, 1); // 1 January 1601 was a Monday
    SYSTEMTIME last = Time(30827, 12, 31, 23, 59, 59, 999);
    EXPECT_FALSE(ApplyZoneRules(&east, &last, &local));
    ASSERT_TRUE(ApplyZoneRules(&west, &last, &local));
    EXPECT_EQ(local.wYear, 30827);
    EXPECT_EQ(local.wHour, 18);
    EXPECT_EQ(local.wMilliseconds, 999);
    // Rules at both ends.
    const TIME_ZONE_INFORMATION z = Eastern();
    SYSTEMTIME early = Time(1601, 7, 1, 12);
    EXPECT_EQ(ZonePhaseAtUtc(&z, &early), kZonePhaseDaylight);
    SYSTEMTIME late = Time(30827, 7, 1, 12);
    EXPECT_EQ(ZonePhaseAtUtc(&z, &late), kZonePhaseDaylight);
}

TEST(ZoneRules, EveryDayOfAYearAtNoonFollowsTheRule) {
    // Walks 2026 hour by hour for the three recurring zones and checks the
    // offset against the change instants worked out by hand.
    struct Case {
        TIME_ZONE_INFORMATION zone;
        int64_t toDaylight, toStandard; // UTC seconds
        int standardMinutes, daylightMinutes;
    };
    SYSTEMTIME a = Time(2026, 3, 8, 7), b = Time(2026, 11, 1, 6), c = Time(2026, 3, 29, 1),
               d = Time(2026, 10, 25, 1), e = Time(2026, 10, 3, 16), f = Time(2026, 4, 4, 16);
    const Case cases[] = {
        {Eastern(), SystemTimeToSeconds(&a), SystemTimeToSeconds(&b), -300, -240},
        {London(), SystemTimeToSeconds(&c), SystemTimeToSeconds(&d), 0, 60},
        {Sydney(), SystemTimeToSeconds(&e), SystemTimeToSeconds(&f), 600, 660},
    };
    SYSTEMTIME start = Time(2026, 1, 1, 0);
    const int64_t from = SystemTimeToSeconds(&start);
    for (const Case& k : cases) {
        for (int64_t t = from; t < from + 365 * 86400; t += 3600) {
            SYSTEMTIME utc;
            SecondsToSystemTime(t, &utc);
            bool daylight = k.toDaylight < k.toStandard ? (t >= k.toDaylight && t < k.toStandard)
                                                        : (t >= k.toDaylight || t < k.toStandard);
            ASSERT_EQ(Offset(k.zone, utc), daylight ? k.daylightMinutes : k.standardMinutes) << t;
        }
    }
}
