#include "timezones/time_zone_catalogue.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "support/error_report.h"

namespace {

using Names = std::vector<std::wstring>;

// Builds the catalogue from display texts in arrival order. An entry's key, and
// its record's standard name, is the text after the first space; "<none>": no key.
void Build(const Names& texts) {
    BeginTimeZoneCatalogue();
    for (const std::wstring& text : texts) {
        const std::wstring key = text.substr(text.find(L' ') + 1);
        TIME_ZONE_INFORMATION zone = {};
        wcsncpy(zone.StandardName, key.c_str(), 31);
        ASSERT_EQ(AddTimeZoneEntry(text.c_str(), key == L"<none>" ? nullptr : key.c_str(), &zone),
                  1);
    }
    FinishTimeZoneCatalogue();
}

// The keys from head to tail, checking that the links agree both ways and with the count.
Names Keys() {
    Names keys;
    TimeZoneEntry* previous = nullptr;
    for (TimeZoneEntry* e = timeZoneCatalogue.head; e != nullptr; previous = e, e = e->next) {
        EXPECT_EQ(e->prev, previous);
        EXPECT_EQ(e->displayLength, static_cast<int32_t>(wcslen(e->displayName)));
        keys.push_back(e->keyName != nullptr ? e->keyName : L"<none>");
    }
    EXPECT_EQ(timeZoneCatalogue.tail, previous);
    EXPECT_EQ(timeZoneCatalogue.count, static_cast<int32_t>(keys.size()));
    return keys;
}

class TimeZoneCatalogueTest : public ::testing::Test {
  protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        ClearTimeZoneCatalogue();
        TakePendingError();
    }
};

TEST_F(TimeZoneCatalogueTest, OrdersWestToEastWhateverTheArrivalOrder) {
    Build({L"(UTC+01:00) Amsterdam", L"(UTC-03:00) Brasilia", L"(UTC) Coordinated Universal Time",
           L"(UTC-12:00) Date Line", L"(UTC+14:00) Kiritimati", L"(UTC-03:30) Newfoundland",
           L"(UTC+00:00) London", L"(UTC-05:00) Eastern", L"(UTC+05:30) Chennai",
           L"(UTC-10:00) Hawaii", L"(UTC-09:00) Alaska"});
    EXPECT_EQ(Keys(), (Names{L"Date Line", L"Hawaii", L"Alaska", L"Eastern", L"Newfoundland",
                             L"Brasilia", L"Coordinated Universal Time", L"London", L"Amsterdam",
                             L"Chennai", L"Kiritimati"}));
    // The first zone that is not west of UTC is chosen; each entry keeps its own record.
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Coordinated Universal Time");
    for (TimeZoneEntry* e = timeZoneCatalogue.head; e != nullptr; e = e->next)
        EXPECT_STREQ(e->zone.StandardName, e->keyName);
}

TEST_F(TimeZoneCatalogueTest, TextsCompareIgnoringCaseAndEqualTextsKeepTheirArrivalOrder) {
    Build({L"(UTC+02:00) same place", L"(UTC+02:00) Athens", L"(UTC+02:00) SAME PLACE",
           L"(UTC+02:00) Same Place", L"(UTC-04:00) same", L"(UTC-04:00) Same"});
    const Names keys = Keys();
    ASSERT_EQ(keys.size(), 6u);
    // Both west zones are there, in either order, ahead of the east ones.
    EXPECT_TRUE((keys[0] == L"same" && keys[1] == L"Same") ||
                (keys[0] == L"Same" && keys[1] == L"same"));
    EXPECT_EQ(Names(keys.begin() + 2, keys.end()),
              (Names{L"Athens", L"same place", L"SAME PLACE", L"Same Place"}));
    EXPECT_LT(CompareZoneTextsIgnoringCase(L"(UTC)", L"(UTC+00:00)"), 0);
    // Letters fold to lower case, so they sort after '_' as they do on Windows.
    EXPECT_GT(CompareZoneTextsIgnoringCase(L"A", L"_"), 0);
}

TEST_F(TimeZoneCatalogueTest, CataloguesOnOneSideOfUtcAndClearing) {
    Build({L"(UTC+03:00) Moscow", L"(UTC+00:00) London"});
    EXPECT_EQ(Keys(), (Names{L"London", L"Moscow"}));
    EXPECT_EQ(timeZoneCatalogue.selectedZone, nullptr);
    Build({L"(UTC-05:00) Bogota", L"(UTC-08:00) Pacific"});
    EXPECT_EQ(Keys(), (Names{L"Pacific", L"Bogota"}));
    EXPECT_EQ(timeZoneCatalogue.selectedZone, timeZoneCatalogue.head);
    // A text too short to carry a sign is not west of UTC; one without any is refused.
    Build({L"(UTC", L"(UTC-"});
    EXPECT_EQ(Keys(), (Names{L"(UTC-", L"(UTC"}));
    EXPECT_EQ(AddTimeZoneEntry(nullptr, L"none", nullptr), 0);
    EXPECT_EQ(ClearTimeZoneCatalogue(), 2);
    EXPECT_EQ(Keys(), Names{});
    EXPECT_EQ(timeZoneCatalogue.selectedZone, nullptr);
    // A build left unfinished still has its west zones freed (and counted).
    BeginTimeZoneCatalogue();
    AddTimeZoneEntry(L"(UTC-01:00) Azores", L"Azores", nullptr);
    AddTimeZoneEntry(L"(UTC+01:00) Paris", L"Paris", nullptr);
    EXPECT_EQ(ClearTimeZoneCatalogue(), 2);
}

TEST_F(TimeZoneCatalogueTest, FormatsTheStandardOffsetWithinTheBuffer) {
    wchar_t text[64];
    TIME_ZONE_INFORMATION zone = {};
    zone.DaylightBias = -60; // never enters the text
    wcscpy(zone.StandardName, L"Zone");
    for (const auto& [bias, expected] :
         {std::make_pair(210, L"(UTC-03:30) Zone"), std::make_pair(-330, L"(UTC+05:30) Zone")}) {
        zone.Bias = bias;
        EXPECT_EQ(FormatZoneOffset(&zone, text, 64), static_cast<int>(wcslen(expected)));
        EXPECT_STREQ(text, expected);
    }
    // A short buffer gets a cut, terminated text and nothing past it.
    wmemset(text, L'#', 16);
    EXPECT_EQ(FormatZoneOffset(&zone, text, 5), -1);
    EXPECT_EQ(wcslen(text), 4u);
    EXPECT_EQ(text[5], L'#');
    // A name field without terminator ends at its 31st character; any bias fits.
    wmemset(zone.StandardName, L'x', 32);
    zone.Bias = static_cast<LONG>(-2147483647 - 1);
    ASSERT_GT(FormatZoneOffset(&zone, text, 64), 0);
    EXPECT_EQ(std::wstring(wcschr(text, L' ') + 1), std::wstring(31, L'x'));
}

TEST_F(TimeZoneCatalogueTest, FindsZonesByKeyNameBeforeStandardNameSkippingEntriesWithoutKey) {
    Build({L"(UTC-05:00) Eastern", L"(UTC-06:00) <none>", L"(UTC+01:00) Romance", L"(UTC) UTC",
           L"(UTC+02:00) FLE", L"(UTC+04:00) <none>"});
    EXPECT_EQ(Keys(), (Names{L"<none>", L"Eastern", L"UTC", L"Romance", L"FLE", L"<none>"}));
    EXPECT_EQ(FindZoneIndexByName(L"Romance", L"Paris, Madrid"), 3);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Romance");
    // The key name wins over a standard name that is another zone's key.
    EXPECT_EQ(FindZoneIndexByName(L"FLE", L"Eastern"), 4);
    // No key name (older systems): the standard name is tried as a key.
    EXPECT_EQ(FindZoneIndexByName(L"", L"UTC"), 2);
    EXPECT_EQ(FindZoneIndexByName(nullptr, L"Eastern"), 1);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Eastern");
    EXPECT_FALSE(HasPendingError());
    // Exact match only: case and partial names do not count, nor do missing names.
    for (const wchar_t* name : {L"utc", L"Eas", static_cast<const wchar_t*>(nullptr)}) {
        timeZoneCatalogue.selectedZone = timeZoneCatalogue.head->next;
        EXPECT_EQ(FindZoneIndexByName(name, name), kZoneNotFound);
        EXPECT_EQ(timeZoneCatalogue.selectedZone, nullptr);
        EXPECT_STREQ(TakePendingError().message, L"Local Timezone Not Found");
    }
    EXPECT_EQ(ClearTimeZoneCatalogue(), 6);
}

} // namespace
