// The [SUNTIMES] commands: the place, the zone and the batch commands.
#include "suntimes/sun_times_section.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/settings_file.h"
#include "settings/settings_test_state.h"
#include "suntimes/batch_commands.h"
#include "support/test_files.h"

namespace {

// What the batch actions were asked to do, in order.
std::wstring journal;

void Note(const std::wstring& entry) {
    journal += entry + L";";
}

class SunTimesSectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSettingsState();
        InstallTestZones();
        journal.clear();
        batchActions = BatchActions{
            [] { return 2024; },
            [](int mode) { Note(L"mode " + std::to_wstring(mode)); },
            [](int m1, int d1, int m2, int d2) {
                Note(L"dates " + std::to_wstring(m1) + L"/" + std::to_wstring(d1) + L"-" +
                     std::to_wstring(m2) + L"/" + std::to_wstring(d2));
            },
            [] { Note(L"year"); },
            [](int view) { Note(L"view " + std::to_wstring(view)); },
            [](const wchar_t* path) { Note(std::wstring(L"save ") + path); },
            [] { Note(L"print"); },
        };
    }
    void TearDown() override {
        batchActions = BatchActions{};
        ResetSettingsState();
        ClearTimeZoneCatalogue();
    }
};

struct CommandCase {
    const wchar_t* text;
    int result;
    double latitude;     // afterwards, from 40.6883
    double longitude;    // afterwards, from -75.2164
    const wchar_t* zone; // afterwards, from none
    const wchar_t* message;
};

TEST_F(SunTimesSectionTest, CommandsSetThePlaceAndTheZone) {
    const double lat = 40.6883, lon = -75.2164;
    const CommandCase cases[] = {
        {L"latitude = 45.5", 3, 45.5, lon, L"", L""},
        {L"Latitude 10;Longitude 20 // the place", 3, 10, 20, L"", L""},
        {L"LATITUDE=-90.5", -2, lat, lon, L"", L"Invalid Latitude[-90.0 - 90.0]: -90.5"},
        {L"LATITUDE=nan", -2, lat, lon, L"", L"Invalid Latitude[-90.0 - 90.0]: nan"},
        {L"LONGITUDE=-180", 3, lat, -180, L"", L""},
        {L"LONGITUDE=180.5", -2, lat, lon, L"", L"Invalid Longitude[-180.0 - 180.0]: 180.5"},
        {L"LATITUDE=abc", 3, 0.0, lon, L"", L""},
        {L"// LATITUDE=5", 0, lat, lon, L"", L""},
        {L"TIMEZONE=\"Tokyo Standard Time\"", 3, lat, lon, L"Tokyo Standard Time", L""},
        {L"timezone utc", 3, lat, lon, L"UTC", L""},
        {L"TimeZone = \"tokyo STANDARD time\";LATITUDE=1", 3, 1, lon, L"Tokyo Standard Time", L""},
        {L"TIMEZONE=Mars", -2, lat, lon, L"", L"Unknown Timezone: Mars"},
        {L"TIMEZONE=Tokyo Standard Time", -2, lat, lon, L"", L"Unknown Timezone: Tokyo"},
        {L"TIMEZONE=", -2, lat, lon, L"", L"Missing Timezone Name"},
    };
    for (const CommandCase& c : cases) {
        ResetSettingsState();
        const wchar_t* rest = nullptr;
        EXPECT_EQ(ParseSunTimesCommand(c.text, &rest), c.result) << c.text;
        EXPECT_DOUBLE_EQ(siteLatitude, c.latitude) << c.text;
        EXPECT_DOUBLE_EQ(siteLongitude, c.longitude) << c.text;
        EXPECT_STREQ(ChosenZoneKey(), c.zone) << c.text;
        EXPECT_EQ(std::wstring(TakePendingError().message), c.message) << c.text;
    }
}

TEST_F(SunTimesSectionTest, AnUnknownZoneLeavesTheChosenOne) {
    ASSERT_EQ(ParseSunTimesCommand(L"TIMEZONE=UTC", nullptr), 3);
    const wchar_t* rest = nullptr;
    EXPECT_EQ(ParseSunTimesCommand(L"TIMEZONE=\"Atlantis Standard Time\" LATITUDE=5", &rest), -2);
    EXPECT_STREQ(ChosenZoneKey(), L"UTC");
    EXPECT_STREQ(rest, L"\"Atlantis Standard Time\" LATITUDE=5");
    EXPECT_DOUBLE_EQ(siteLatitude, 40.6883);
}

TEST_F(SunTimesSectionTest, TheChosenZoneIsFoundAgainInARebuiltCatalogue) {
    ASSERT_TRUE(ChooseZoneByKey(L"tokyo standard time"));
    const int before = ChosenZoneIndex();
    EXPECT_GE(before, 0);
    InstallTestZones(); // every entry made anew
    EXPECT_EQ(ChosenZoneIndex(), before);
    ClearTimeZoneCatalogue();
    TIME_ZONE_INFORMATION zone{};
    AddTimeZoneEntry(L"(UTC) Coordinated Universal Time", L"UTC", &zone);
    EXPECT_EQ(ChosenZoneIndex(), -1); // not listed
    ForgetChosenZone();
    EXPECT_EQ(ChosenZoneIndex(), -1);
}

TEST_F(SunTimesSectionTest, CommandsRunInOrderWithTheirValues) {
    const std::wstring
        dataValues = L" (TIME, VELOCITY, ACCELERATION, HOURS, HOUR_VELOCITY, HOUR_ACCELERATION)",
        datesValues = L" (M/D-M/D within the year, or ALL)";
    const struct {
        const wchar_t* text;
        int result;
        const wchar_t* journal;
        std::wstring message; // "?": any
    } cases[] = {
        {L"DATA=HOURS;SAVEAS=\"greenwich.csv\"", 3, L"mode 9;save greenwich.csv;", L""},
        {L"data = hour_acceleration VIEW=table PRINT", 3, L"mode 12;view 0;print;", L""},
        {L"DATES=3/1-3/31;DATES=ALL;DATES=12/31-1/1", 3, L"dates 3/1-3/31;year;dates 12/31-1/1;",
         L""},
        {L"DATES=2/29-2/29", 3, L"dates 2/29-2/29;", L""}, // 2024 has it
        {L"VIEW=PLOT;SAVEAS=\"C:\\out dir\\a;b.txt\" // done", 3,
         L"view 1;save C:\\out dir\\a;b.txt;", L""},
        // The first bad value stops the text; what came before it was done.
        {L"VIEW=PLOT;DATA=WEEKS;PRINT", -2, L"view 1;", L"Invalid DATA value: WEEKS" + dataValues},
        {L"DATA=", -2, L"", L"Invalid DATA value: " + dataValues},
        {L"VIEW=GRAPH", -2, L"", L"Invalid VIEW value: GRAPH (TABLE, PLOT)"},
        {L"DATES=2/30-3/1", -2, L"", L"Invalid DATES value: 2/30-3/1" + datesValues},
        {L"DATES=3/1", -2, L"", L"Invalid DATES value: 3/1" + datesValues},
        {L"DATES=003/1-3/31", -2, L"", L"Invalid DATES value: 003/1-3/31" + datesValues},
        {L"DATES=3/1-3/31x", -2, L"", L"Invalid DATES value: 3/1-3/31x" + datesValues},
        {L"SAVEAS=", -2, L"", L"Invalid SAVEAS value:  (a file name)"},
        {L"SAVEAS=\"unclosed", -2, L"", L"?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(c.text));
        journal.clear();
        const wchar_t* rest = nullptr;
        EXPECT_EQ(ParseSunTimesCommand(c.text, &rest), c.result);
        EXPECT_EQ(journal, c.journal);
        const std::wstring message = TakePendingError().message;
        EXPECT_TRUE(c.message == L"?" ? !message.empty() : message == c.message) << message;
    }
}

// Nothing of a batch command is ever written to the settings file.
TEST_F(SunTimesSectionTest, TheSettingsFileLeavesThemOut) {
    ASSERT_EQ(ParseSunTimesCommand(L"DATA=HOURS;VIEW=TABLE;DATES=3/1-3/31", nullptr), 3);
    ScratchFolder folder;
    ASSERT_TRUE(WriteSettingsFile(folder.Path(L"Zelmora.ini").c_str()));
    const std::string text = folder.ReadText(L"Zelmora.ini");
    const size_t start = text.find("[SUNTIMES]\nLatitude=");
    ASSERT_NE(start, std::string::npos) << text;
    const std::string section = text.substr(start, text.find("\n\n", start) - start);
    for (const char* word : {"DATA", "VIEW", "DATES", "SAVEAS", "PRINT"})
        EXPECT_EQ(section.find(word), std::string::npos) << word;
}

} // namespace
