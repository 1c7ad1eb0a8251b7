#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "support/error_report.h"

namespace {

// Every zone of the registry (Wine's are all readable), and the computer's
// own zone found by its key name.
TEST(RegistryCatalogue, HoldsEveryZoneAndFindsTheComputersOwn) {
    TakePendingError();
    ASSERT_EQ(LoadTimeZoneCatalogue(), 1);
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

    DYNAMIC_TIME_ZONE_INFORMATION own = {};
    ASSERT_NE(GetDynamicTimeZoneInformation(&own), TIME_ZONE_ID_INVALID);
    const int index = FindComputerZoneIndex();
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr) << own.TimeZoneKeyName;
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, own.TimeZoneKeyName);
    EXPECT_EQ(timeZoneCatalogue.selectedZone->zone.Bias, own.Bias);
    const TimeZoneEntry* e = timeZoneCatalogue.head;
    for (int i = 0; i < index && e != nullptr; ++i)
        e = e->next;
    EXPECT_EQ(e, timeZoneCatalogue.selectedZone);
    ClearTimeZoneCatalogue();
    EXPECT_FALSE(HasPendingError());
}

} // namespace
