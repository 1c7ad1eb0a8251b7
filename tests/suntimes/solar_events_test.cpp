#include "suntimes/solar_events.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/error_report.h"
#include "suntimes/test_zones.h"
#include "timezones/zone_conversion.h"

namespace {

const double kLatitude = 40.6883;
const double kLongitude = -75.2164;

class SolarEvents : public ::testing::Test {
  protected:
    void SetUp() override { TakePendingError(); }
    void TearDown() override { TakePendingError(); }

    static int64_t MidnightUtc(int year, int month, int day) {
        BrokenDownTime t{};
        t.tm_mday = day;
        t.tm_mon = month - 1;
        t.tm_year = year - 1900;
        return MakeUtcSeconds(&t);
    }
    static std::wstring Clock(const SunEvent& e) {
        wchar_t text[16];
        swprintf(text, 16, L"%d:%02d:%02d", e.localTm.tm_hour, e.localTm.tm_min, e.localTm.tm_sec);
        return text;
    }
    static std::wstring PendingMessage() { return TakePendingError().message; }
};

TEST_F(SolarEvents, WinterDayInEasternStandardTimeMatchesTheReferenceToTheSecond) {
    TIME_ZONE_INFORMATION zone = FixedZone(300);
    ASSERT_EQ(CalcSunTimesForDate(2016, 1, 14, &zone, kLatitude, kLongitude), 1);
    EXPECT_EQ(workRecord.julianDay, 2457401.5);
    const int64_t midnight = MidnightUtc(2016, 1, 14);
    const int64_t offsets[4] = {42785, 44596, 78997, 80809};
    const wchar_t* clocks[4] = {L"6:53:05", L"7:23:16", L"16:56:37", L"17:26:49"};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(workRecord.events[k].utcTime - midnight, offsets[k]);
        EXPECT_EQ(Clock(workRecord.events[k]), clocks[k]);
        EXPECT_EQ(workRecord.events[k].polarState, kPolarNormal);
    }
    EXPECT_NEAR(workRecord.events[Dawn].hours, 6.884722222, 1e-9);
    EXPECT_NEAR(workRecord.events[Dusk].hours, 17.446944444, 1e-9);
    EXPECT_EQ(PendingMessage(), L"");
}

TEST_F(SolarEvents, SummerEveningEventsFallAfterMidnightUtc) {
    TIME_ZONE_INFORMATION zone = FixedZone(300);
    ASSERT_EQ(CalcSunTimesForDate(2016, 6, 21, &zone, kLatitude, kLongitude), 1);
    const int64_t midnight = MidnightUtc(2016, 6, 21);
    const int64_t offsets[4] = {32197, 34201, 88533, 90538};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(workRecord.events[k].utcTime - midnight, offsets[k]) << k;
    // The local date of the evening events is still the 21st.
    EXPECT_EQ(workRecord.events[Sunset].localTm.tm_mday, 21);
}

TEST_F(SolarEvents, DaylightTimeAtNoonUtcAppliesToTheWholeDay) {
    TIME_ZONE_INFORMATION zone = EasternZone();
    // 8 March 2026: the change at 2:00 local precedes 12:00 UTC, so even the
    // dawn before the change is shown in daylight time.
    ASSERT_EQ(CalcSunTimesForDate(2026, 3, 8, &zone, kLatitude, kLongitude), 1);
    const SunEvent& dawn = workRecord.events[Dawn];
    EXPECT_EQ(dawn.localTime - dawn.utcTime, -4 * 3600);
    ASSERT_EQ(CalcSunTimesForDate(2026, 3, 7, &zone, kLatitude, kLongitude), 1);
    EXPECT_EQ(workRecord.events[Dusk].localTime - workRecord.events[Dusk].utcTime, -5 * 3600);
}

TEST_F(SolarEvents, PolarDaysAndNights) {
    TIME_ZONE_INFORMATION zone = FixedZone(0);
    ASSERT_EQ(CalcSunTimesForDate(2024, 6, 25, &zone, 80.0, 15.0), 1);
    EXPECT_EQ(workRecord.events[Sunrise].polarState, kPolarNeverSets);
    EXPECT_EQ(workRecord.events[Sunset].polarState, kPolarNeverSets);
    ASSERT_EQ(CalcSunTimesForDate(2024, 12, 22, &zone, 80.0, 15.0), 1);
    EXPECT_EQ(workRecord.events[Sunrise].polarState, kPolarNeverRises);
    EXPECT_EQ(workRecord.events[Dawn].polarState, kPolarNeverRises);
    // At 63 north around midsummer only the twilight never ends.
    ASSERT_EQ(CalcSunTimesForDate(2024, 6, 21, &zone, 63.0, 10.0), 1);
    EXPECT_EQ(workRecord.events[Dawn].polarState, kPolarNeverSets);
    EXPECT_EQ(workRecord.events[Dusk].polarState, kPolarNeverSets);
    EXPECT_EQ(workRecord.events[Sunrise].polarState, kPolarNormal);
    EXPECT_EQ(workRecord.events[Sunset].polarState, kPolarNormal);
}

TEST_F(SolarEvents, FarEastMorningEventsLieBeforeUtcMidnight) {
    TIME_ZONE_INFORMATION zone = FixedZone(-720); // UTC+12
    ASSERT_EQ(CalcSunTimesForDate(2024, 3, 1, &zone, -40.0, 170.0), 1);
    const int64_t midnight = MidnightUtc(2024, 3, 1);
    EXPECT_LT(workRecord.events[Dawn].utcTime, midnight);
    EXPECT_LT(workRecord.events[Sunrise].utcTime, midnight);
    EXPECT_GT(workRecord.events[Sunrise].hours, 6.0);
    EXPECT_LT(workRecord.events[Sunrise].hours, 8.0);
    EXPECT_EQ(workRecord.events[Sunrise].localTm.tm_mday, 1);
}

TEST_F(SolarEvents, RejectsInvalidInputWithTheValueInTheMessage) {
    TIME_ZONE_INFORMATION zone = FixedZone(300);
    ASSERT_EQ(CalcSunTimesForDate(2016, 1, 14, &zone, kLatitude, kLongitude), 1);
    const SunTimesRecord before = workRecord;
    struct Case {
        int year, month, day;
        double lat, lon;
        const wchar_t* message;
    } cases[] = {
        {1969, 12, 31, 0, 0, L"Invalid Year: 1969"},
        {3001, 1, 1, 0, 0, L"Invalid Year: 3001"},
        {2020, 0, 1, 0, 0, L"Invalid month: 0"},
        {2020, 13, 1, 0, 0, L"Invalid month: 13"},
        {2100, 2, 29, 0, 0, L"Invalid Month Day: 29"},
        {2021, 4, 31, 0, 0, L"Invalid Month Day: 31"},
        {2021, 4, 0, 0, 0, L"Invalid Month Day: 0"},
        {2021, 4, 1, 90.5, 0, L"Invalid Latitude: 90.5"},
        {2021, 4, 1, -91, 0, L"Invalid Latitude: -91"},
        {2021, 4, 1, 0, 180.25, L"Invalid Longitude: 180.25"},
        {2021, 4, 1, NAN, 0, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalcSunTimesForDate(c.year, c.month, c.day, &zone, c.lat, c.lon), 0);
        std::wstring message = PendingMessage();
        if (c.message != nullptr)
            EXPECT_EQ(message, c.message);
        else
            EXPECT_EQ(message.rfind(L"Invalid Latitude: ", 0), 0u) << message.c_str();
        EXPECT_EQ(workRecord.julianDay, before.julianDay);
        EXPECT_EQ(workRecord.events[Dusk].utcTime, before.events[Dusk].utcTime);
    }
}

TEST_F(SolarEvents, AcceptsTheEdgesOfTheRange) {
    TIME_ZONE_INFORMATION zone = FixedZone(300);
    EXPECT_EQ(CalcSunTimesForDate(1970, 1, 1, &zone, 90.0, -180.0), 1);
    EXPECT_EQ(CalcSunTimesForDate(3000, 12, 31, &zone, -90.0, 180.0), 1);
    EXPECT_EQ(CalcSunTimesForDate(2000, 2, 29, &zone, 0.0, 0.0), 1);
    EXPECT_EQ(PendingMessage(), L"");
}

TEST_F(SolarEvents, AZoneThatCannotBeAppliedIsReported) {
    TIME_ZONE_INFORMATION zone = EasternZone();
    zone.StandardDate.wMonth = 0; // daylight start without an end
    zone.DaylightDate.wDay = 9;
    EXPECT_EQ(CalcSunTimesForDate(2016, 1, 14, &zone, kLatitude, kLongitude), 0);
    EXPECT_EQ(PendingMessage(), L"Invalid Timezone");
    // The zone record is taken before validation, even for a rejected date.
    TIME_ZONE_INFORMATION other = FixedZone(-60);
    EXPECT_EQ(CalcSunTimesForDate(1900, 1, 1, &other, 0, 0), 0);
    EXPECT_EQ(currentZone.Bias, -60);
}

TEST_F(SolarEvents, TheEquationOfTimeFollowsItsAnnualCurve) {
    // Minutes; t of 3 November 2016 and 11 February 2016, near its extremes.
    EXPECT_NEAR(CalcEquationOfTime((2457695.5 - 2451545.0) / 36525.0), 16.4, 0.1);
    EXPECT_NEAR(CalcEquationOfTime((2457429.5 - 2451545.0) / 36525.0), -14.2, 0.1);
}

} // namespace
