#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "support/error_report.h"

namespace {

class RegistryCatalogueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TakePendingError();
        ASSERT_EQ(LoadTimeZoneCatalogue(), 1);
    }
    void TearDown() override {
        ClearTimeZoneCatalogue();
        TakePendingError();
    }
};

// Every zone of the registry (Wine's are all readable), ordered by the
// offset their display texts begin with.
TEST_F(RegistryCatalogueTest, HoldsEveryZoneFromWestToEast) {
    HKEY zones;
    DWORD subkeys = 0;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                            L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones", 0,
                            KEY_READ, &zones),
              ERROR_SUCCESS);
    RegQueryInfoKeyW(zones, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(zones);
    EXPECT_EQ(timeZoneCatalogue.count, static_cast<int>(subkeys));
    ASSERT_GT(timeZoneCatalogue.count, 100);

    int previous = -24 * 60;
    for (TimeZoneEntry* e = timeZoneCatalogue.head; e != nullptr; e = e->next) {
        wchar_t sign = L'+';
        int hours = 0, minutes = 0;
        swscanf(e->displayName, L"(UTC%lc%2d:%2d)", &sign, &hours, &minutes);
        const int offset = (sign == L'-' ? -1 : 1) * (hours * 60 + minutes);
        EXPECT_GE(offset, previous) << e->displayName;
        previous = offset;
        ASSERT_NE(e->keyName, nullptr);
    }
    EXPECT_EQ(wcsncmp(timeZoneCatalogue.head->displayName, L"(UTC-12:00)", 11), 0);
    EXPECT_EQ(wcsncmp(timeZoneCatalogue.tail->displayName, L"(UTC+14:00)", 11), 0);

    // The first zone that is not west of UTC is chosen until the user picks one.
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr);
    EXPECT_NE(timeZoneCatalogue.selectedZone->displayName[4], L'-');
    EXPECT_EQ(timeZoneCatalogue.selectedZone->prev->displayName[4], L'-');
    EXPECT_FALSE(HasPendingError());
}

TEST_F(RegistryCatalogueTest, EntriesCarryTheirZoneRules) {
    FindZoneIndexByName(L"Eastern Standard Time", nullptr);
    const TimeZoneEntry* eastern = timeZoneCatalogue.selectedZone;
    ASSERT_NE(eastern, nullptr);
    EXPECT_EQ(eastern->zone.DaylightBias, -60);
    EXPECT_EQ(eastern->zone.DaylightDate.wMonth, 3);
    EXPECT_STREQ(eastern->zone.DaylightName, L"Eastern Daylight Time");
    wchar_t text[64];
    FormatZoneOffset(&eastern->zone, text, 64);
    EXPECT_STREQ(text, L"(UTC-05:00) Eastern Standard Time");

    // The UTC key's standard name is not its key name.
    EXPECT_EQ(FindZoneIndexByName(L"UTC", nullptr), FindZoneIndexByName(nullptr, L"UTC"));
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr);
    EXPECT_STRNE(timeZoneCatalogue.selectedZone->zone.StandardName, L"UTC");
    EXPECT_FALSE(HasPendingError());
}

TEST_F(RegistryCatalogueTest, FindsTheComputersZoneByItsKeyName) {
    DYNAMIC_TIME_ZONE_INFORMATION own = {};
    ASSERT_NE(GetDynamicTimeZoneInformation(&own), TIME_ZONE_ID_INVALID);
    int index = FindComputerZoneIndex();
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr) << own.TimeZoneKeyName;
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, own.TimeZoneKeyName);
    EXPECT_EQ(timeZoneCatalogue.selectedZone->zone.Bias, own.Bias);
    const TimeZoneEntry* e = timeZoneCatalogue.head;
    for (int i = 0; i < index && e != nullptr; ++i)
        e = e->next;
    EXPECT_EQ(e, timeZoneCatalogue.selectedZone);
    EXPECT_FALSE(HasPendingError());
}

TEST(ZoneRegistryReaders, RefuseMissingZones) {
    TIME_ZONE_INFORMATION zone = {};
    zone.Bias = 77;
    EXPECT_EQ(ReadTimeZoneInfo(L"No Such Standard Time", &zone), 0);
    EXPECT_EQ(zone.Bias, 77);
    EXPECT_EQ(ReadTimeZoneInfo(nullptr, &zone), 0);
    EXPECT_EQ(ReadTimeZoneInfo(L"Eastern Standard Time", nullptr), 0);
    static wchar_t display[kZoneDisplayChars];
    EXPECT_EQ(ReadTimeZoneDisplay(L"No Such Standard Time", display), 0);
    EXPECT_EQ(ReadTimeZoneDisplay(std::wstring(400, L'x').c_str(), display), 0);
}

} // namespace
