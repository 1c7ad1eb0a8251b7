#include "suntimes/sun_times_section.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/settings_test_state.h"

namespace {

class SunTimesSectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSettingsState();
        InstallTestZones();
    }
    void TearDown() override {
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
        {L"LATITUDE=45.5", 3, 45.5, lon, L"", L""},
        {L"LATITUDE=40 LONGITUDE=-75", 3, 40, -75, L"", L""},
        {L"Latitude 10;Longitude 20 // the place", 3, 10, 20, L"", L""},
        {L"LATITUDE=91", -2, lat, lon, L"", L"Invalid Latitude[-90.0 - 90.0]: 91"},
        {L"LATITUDE=-90.5", -2, lat, lon, L"", L"Invalid Latitude[-90.0 - 90.0]: -90.5"},
        {L"LATITUDE=nan", -2, lat, lon, L"", L"Invalid Latitude[-90.0 - 90.0]: nan"},
        {L"LONGITUDE=-180", 3, lat, -180, L"", L""},
        {L"LONGITUDE=180.5", -2, lat, lon, L"", L"Invalid Longitude[-180.0 - 180.0]: 180.5"},
        {L"LATITUDE=abc", 3, 0.0, lon, L"", L""},
        {L"// LATITUDE=5", 0, lat, lon, L"", L""},
        {L"DT24", 0, lat, lon, L"", L""},
        {L"TIMEZONE=\"Tokyo Standard Time\"", 3, lat, lon, L"Tokyo Standard Time", L""},
        {L"timezone utc", 3, lat, lon, L"UTC", L""},
        {L"TimeZone = \"tokyo STANDARD time\";LATITUDE=1", 3, 1, lon, L"Tokyo Standard Time", L""},
        {L"TIMEZONE=Mars", -2, lat, lon, L"", L"Unknown Timezone: Mars"},
        {L"TIMEZONE=Tokyo Standard Time", -2, lat, lon, L"", L"Unknown Timezone: Tokyo"},
        {L"TIMEZONE=", -2, lat, lon, L"", L"Missing Timezone Name"},
        {L"TIMEZONE=\"Tokyo", -2, lat, lon, L"", L"Missing Ending \" for: \"Tokyo"},
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

} // namespace
