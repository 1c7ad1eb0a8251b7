#include "presentation/sun_times_table.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "datetime/date_time_format.h"
#include "support/system_services.h"
#include "presentation/presentation_state.h"
#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/solar_events.h"
#include "suntimes/sun_times_series.h"
#include "suntimes/test_zones.h"

namespace {

const wchar_t kHeadings[] = L"   Date   "
                            L"      Dawn   "
                            L"     Sunrise "
                            L"     Sunset  "
                            L"      Dusk   ";
const wchar_t kWorkedRow[] = L" 1/14/2016   6:53:05 AM   7:23:16 AM   4:56:37 PM   5:26:49 PM";
const int kModes[][2] = {{kDataTime, 0},
                         {kDataVelocity, 0},
                         {kDataAcceleration, 0},
                         {kDataTime, kShowLengths},
                         {kDataVelocity, kShowLengths},
                         {kDataAcceleration, kShowLengths}};

class SunTimesTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSunTimesSeries();
        plotView = 0;
        siteLongitude = -75.2164;
    }
    void TearDown() override {
        plotView = 1;
        DataKind = kDataTime;
        dateTimeFormat = kDateTimeFormat12;
        ResetSunTimesSeries();
        TakePendingError();
    }

    static SYSTEMTIME Date(int month, int day) {
        SYSTEMTIME date{};
        date.wYear = 2016;
        date.wMonth = static_cast<WORD>(month);
        date.wDay = static_cast<WORD>(day);
        return date;
    }
    // Computes 2016 at the place in the zone and shows month1/day1 to month2/day2.
    static void Compute(double latitude, TIME_ZONE_INFORMATION zone, int month1, int day1,
                        int month2, int day2) {
        ASSERT_GT(SetSunTimesDateRange(Date(month1, day1), Date(month2, day2)), 0);
        siteLatitude = latitude;
        const wchar_t name[] = L"A zone name of thirty-one chars";
        for (int i = 0; name[i] != L'\0'; ++i)
            zone.StandardName[i] = name[i];
        ASSERT_EQ(CalcSunTimesSeries(2016, &zone, latitude, siteLongitude), 365);
    }
    static void ComputeWorkedExample() { Compute(40.6883, FixedZone(300), 1, 14, 1, 14); }
    static void SetMode(const int mode[2]) {
        DataKind = mode[0];
        sunTimesSeries.showLengths = mode[1];
    }

    // The table in a buffer sized from its own length: it must fill it exactly.
    static std::wstring Table(const wchar_t* lineEnd = L"\r\n") {
        std::vector<wchar_t> buffer(SunTimesTableLength(lineEnd) + 1, L'#');
        int written = FormatSunTimesTable(buffer.data(), static_cast<int>(buffer.size()), lineEnd);
        EXPECT_EQ(written + 1u, buffer.size());
        EXPECT_EQ(buffer.back(), L'\0');
        return buffer.data();
    }
    static std::vector<std::wstring> Lines(const std::wstring& text) {
        std::vector<std::wstring> lines;
        for (size_t at = 0, end; (end = text.find(L"\r\n", at)) != std::wstring::npos; at = end + 2)
            lines.push_back(text.substr(at, end - at));
        return lines;
    }
    // A cell of the last row: 13 characters each behind the 10 of the date.
    static std::wstring Cell(int column) {
        return Lines(Table()).back().substr(10 + 13 * column, 13);
    }
};

TEST_F(SunTimesTableTest, WorkedExampleDayOnScreenAndInATextFile) {
    ComputeWorkedExample();
    const std::wstring zone = L"Timezone = (UTC-05:00) A zone name of thirty-one chars";
    const std::wstring top = L"Sun Times: Time of Day\r\nLatitude = 40.6883, Longitude = -75.2164";
    EXPECT_EQ(Table(),
              top + L"\r\n" + zone + L"\r\n\r\n" + kHeadings + L"\r\n" + kWorkedRow + L"\r\n");
    EXPECT_EQ(Table(L"\n"), top + L"\n" + zone + L"\n\n" + kHeadings + L"\n" + kWorkedRow + L"\n");
    currentZone.Bias = -330;
    EXPECT_EQ(Lines(Table())[2].substr(0, 22), L"Timezone = (UTC+05:30)");
}

TEST_F(SunTimesTableTest, NoRangeWritesNothingAndNoColumnsLeavesTheDates) {
    wchar_t keep[8] = L"keep";
    EXPECT_EQ(FormatSunTimesTable(keep, 8, L"\r\n"), 0);
    EXPECT_STREQ(keep, L"keep");
    EXPECT_EQ(SunTimesTableLength(L"\r\n"), 0);

    ComputeWorkedExample();
    for (int32_t& shown : sunTimesSeries.showEvent)
        shown = 0;
    std::vector<std::wstring> lines = Lines(Table());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], L"   Date   ");
    EXPECT_EQ(lines[5], L" 1/14/2016");
    sunTimesSeries.showEvent[Sunset] = 1;
    sunTimesSeries.showLengths = kShowLengths;
    EXPECT_EQ(Lines(Table())[4], L"   Date   "
                                 L"      Night  ");
}

TEST_F(SunTimesTableTest, PolarDaysFillTheColumnInEveryMode) {
    Compute(80.0, FixedZone(-60), 12, 21, 12, 21);
    for (const auto& mode : kModes) {
        SetMode(mode);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(Cell(k), L"  Never Rises") << (mode[0] | mode[1]);
    }
    Compute(80.0, FixedZone(-60), 6, 21, 6, 21);
    SetMode(kModes[1]);
    EXPECT_EQ(Cell(Sunrise), L"  Never Sets ");
}

TEST_F(SunTimesTableTest, NumbersKeepFourBlanksAndLengthsReadAsClockTimes) {
    ComputeWorkedExample();
    SunEvent& dawn = sunTimesSeries.records[13].events[Dawn];
    dawn.velocity = -27;
    SetMode(kModes[1]);
    EXPECT_EQ(Cell(Dawn), L"      -27    ");
    EXPECT_EQ(Cell(Sunset), L"       66    ");
    SetMode(kModes[3]);
    const double lengths[] = {24.0, 10.5, 0.25};
    const wchar_t* const cells[] = {L"     24:00:00", L"     10:30:00", L"      0:15:00"};
    for (int i = 0; i < 3; ++i) {
        dawn.length = lengths[i];
        EXPECT_EQ(Cell(Dawn), cells[i]);
    }
}

TEST_F(SunTimesTableTest, TwelveHourSettingChangesOnlyEventTimes) {
    ComputeWorkedExample();
    for (const auto& mode : kModes) {
        SetMode(mode);
        std::wstring twelve = Table();
        dateTimeFormat = kDateTimeFormat24;
        std::wstring twentyFour = Table();
        dateTimeFormat = kDateTimeFormat12;
        if (&mode == &kModes[0]) {
            EXPECT_EQ(Lines(twelve).back(), kWorkedRow);
            EXPECT_EQ(Lines(twentyFour).back(),
                      L" 1/14/2016      6:53:05      7:23:16     16:56:37     17:26:49");
        } else {
            EXPECT_EQ(twelve, twentyFour) << (mode[0] | mode[1]);
        }
    }
}

TEST_F(SunTimesTableTest, TitlesOfEveryModeAndView) {
    SYSTEMTIME now{};
    ReadLocalClock(&now);
    const std::wstring year = std::to_wstring(now.wYear) + L"\r\n";
    const wchar_t* const tables[] = {L" Time of Day\r\n",
                                     L" Velocity: Time Delta: Sec/Day\r\n",
                                     L" Acceleration: Time Velocity Delta: Sec*Sec/Day\r\n",
                                     L" Length in Hours\r\n",
                                     L" Velocity: Hours Delta: Sec/Day\r\n",
                                     L" Acceleration: Hours Velocity Delta: Sec*Sec/Day\r\n"};
    const std::wstring plots[] = {
        L" Dawn(Red)/Sunrise(Orange)/Sunset(Cyan)/Dusk(Blue): " + year,
        L" Dawn-Dusk(Red)/Daylight(Orange)/Night(Cyan)/Dusk-Dawn(Blue): " + year};
    wchar_t title[128];
    for (int i = 0; i < 6; ++i) {
        SetMode(kModes[i]);
        plotView = 0;
        int count = FormatDisplayTitle(title, 128);
        EXPECT_EQ(count, static_cast<int>(wcslen(title)));
        EXPECT_EQ(title, L"Sun Times:" + std::wstring(tables[i]));
        plotView = 1;
        FormatDisplayTitle(title, 128);
        EXPECT_EQ(title, L"Sun Times:" + plots[i / 3]);
    }
    DataKind = 3;
    FormatDisplayTitle(title, 128);
    EXPECT_STREQ(title, L"Sun Times:");
    EXPECT_EQ(FormatDisplayTitle(title, 5), 4);
    EXPECT_STREQ(title, L"Sun ");
    EXPECT_EQ(FormatDisplayTitle(nullptr, 5), 0);
    EXPECT_EQ(FormatDisplayTitle(title, 0), 0);
}

TEST_F(SunTimesTableTest, SmallBuffersEndCleanlyAtTheCut) {
    ComputeWorkedExample();
    const std::wstring full = Table();
    for (int capacity = 1; capacity <= static_cast<int>(full.size()) + 1; ++capacity) {
        std::vector<wchar_t> buffer(capacity + 8, L'#');
        int written = FormatSunTimesTable(buffer.data(), capacity, L"\r\n");
        std::wstring text = buffer.data();
        ASSERT_EQ(written, static_cast<int>(text.size())) << capacity;
        ASSERT_EQ(full.compare(0, text.size(), text), 0) << capacity;
        ASSERT_EQ(std::wstring(buffer.begin() + capacity, buffer.end()), L"########") << capacity;
    }
}

TEST_F(SunTimesTableTest, LengthOfAWholeYearInEveryMode) {
    for (double latitude : {40.6883, 80.0}) {
        Compute(latitude, EasternZone(), 1, 1, 12, 31);
        for (const auto& mode : kModes) {
            SetMode(mode);
            std::vector<std::wstring> lines = Lines(Table());
            EXPECT_EQ(lines.size(), 5u + 366u) << (mode[0] | mode[1]);
            EXPECT_EQ(lines.back().substr(0, 10), L"12/31/2016");
        }
    }
}

} // namespace
