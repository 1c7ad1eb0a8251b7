#include "timezones/time_zone_catalogue.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "support/error_report.h"

namespace {

TIME_ZONE_INFORMATION ZoneWithBias(long bias, const wchar_t* standardName) {
    TIME_ZONE_INFORMATION zone = {};
    zone.Bias = bias;
    wcsncpy(zone.StandardName, standardName, 31);
    return zone;
}

struct SyntheticZone {
    const wchar_t* display;
    const wchar_t* key;
};

// Builds the catalogue from the zones in the given arrival order.
void Build(const std::vector<SyntheticZone>& zones) {
    BeginTimeZoneCatalogue();
    long bias = 0;
    for (const SyntheticZone& z : zones) {
        TIME_ZONE_INFORMATION zone = ZoneWithBias(++bias, z.key != nullptr ? z.key : L"");
        ASSERT_EQ(AddTimeZoneEntry(z.display, z.key, &zone), 1);
    }
    FinishTimeZoneCatalogue();
}

std::vector<std::wstring> KeysFromHead() {
    std::vector<std::wstring> keys;
    for (TimeZoneEntry* e = timeZoneCatalogue.head; e != nullptr; e = e->next)
        keys.push_back(e->keyName != nullptr ? e->keyName : L"<null>");
    return keys;
}

// The links must agree both ways and with the count.
void ExpectConsistentLinks() {
    int count = 0;
    TimeZoneEntry* previous = nullptr;
    for (TimeZoneEntry* e = timeZoneCatalogue.head; e != nullptr; e = e->next) {
        EXPECT_EQ(e->prev, previous);
        EXPECT_EQ(e->displayLength, static_cast<int32_t>(wcslen(e->displayName)));
        previous = e;
        ++count;
    }
    EXPECT_EQ(timeZoneCatalogue.tail, previous);
    EXPECT_EQ(timeZoneCatalogue.count, count);
}

class TimeZoneCatalogueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearTimeZoneCatalogue();
        TakePendingError();
    }
    void TearDown() override {
        ClearTimeZoneCatalogue();
        TakePendingError();
    }
};

TEST_F(TimeZoneCatalogueTest, OrdersWestToEastWhateverTheArrivalOrder) {
    Build({
        {L"(UTC+01:00) Amsterdam, Berlin", L"W. Europe Standard Time"},
        {L"(UTC-03:00) Brasilia", L"E. South America Standard Time"},
        {L"(UTC) Coordinated Universal Time", L"UTC"},
        {L"(UTC-12:00) International Date Line West", L"Dateline Standard Time"},
        {L"(UTC+14:00) Kiritimati Island", L"Line Islands Standard Time"},
        {L"(UTC-03:30) Newfoundland", L"Newfoundland Standard Time"},
        {L"(UTC+00:00) Dublin, Edinburgh, Lisbon, London", L"GMT Standard Time"},
        {L"(UTC-05:00) Eastern Time (US & Canada)", L"Eastern Standard Time"},
        {L"(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi", L"India Standard Time"},
        {L"(UTC-10:00) Hawaii", L"Hawaiian Standard Time"},
        {L"(UTC-09:00) Alaska", L"Alaskan Standard Time"},
    });
    const std::vector<std::wstring> expected = {
        L"Dateline Standard Time",
        L"Hawaiian Standard Time",
        L"Alaskan Standard Time",
        L"Eastern Standard Time",
        L"Newfoundland Standard Time",
        L"E. South America Standard Time",
        L"UTC",
        L"GMT Standard Time",
        L"W. Europe Standard Time",
        L"India Standard Time",
        L"Line Islands Standard Time",
    };
    EXPECT_EQ(KeysFromHead(), expected);
    ExpectConsistentLinks();
    // The first zone that is not west of UTC is chosen.
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"UTC");
    // Each entry keeps its own record.
    EXPECT_EQ(timeZoneCatalogue.head->zone.Bias, 4);
    EXPECT_STREQ(timeZoneCatalogue.head->zone.StandardName, L"Dateline Standard Time");
}

TEST_F(TimeZoneCatalogueTest, TextsCompareIgnoringCaseAndEqualTextsAllStay) {
    Build({
        {L"(UTC+02:00) same place", L"first"},
        {L"(UTC+02:00) Athens", L"athens"},
        {L"(UTC+02:00) SAME PLACE", L"second"},
        {L"(UTC+02:00) Same Place", L"third"},
        {L"(UTC-04:00) same", L"west1"},
        {L"(UTC-04:00) Same", L"west2"},
    });
    std::vector<std::wstring> keys = KeysFromHead();
    ASSERT_EQ(keys.size(), 6u);
    // Both west zones are there, ahead of the east ones.
    EXPECT_TRUE((keys[0] == L"west1" && keys[1] == L"west2") ||
                (keys[0] == L"west2" && keys[1] == L"west1"));
    const std::vector<std::wstring> east(keys.begin() + 2, keys.end());
    EXPECT_EQ(east, (std::vector<std::wstring>{L"athens", L"first", L"second", L"third"}));
    ExpectConsistentLinks();

    EXPECT_LT(CompareZoneTextsIgnoringCase(L"(UTC)", L"(UTC+00:00)"), 0);
    // Letters fold to lower case, so they sort after '_' as they do on Windows.
    EXPECT_GT(CompareZoneTextsIgnoringCase(L"A", L"_"), 0);
}

TEST_F(TimeZoneCatalogueTest, CataloguesOnOneSideOfUtc) {
    Build({{L"(UTC+03:00) Moscow", L"Russian Standard Time"},
           {L"(UTC+00:00) London", L"GMT Standard Time"}});
    EXPECT_EQ(KeysFromHead(),
              (std::vector<std::wstring>{L"GMT Standard Time", L"Russian Standard Time"}));
    EXPECT_EQ(timeZoneCatalogue.selectedZone, nullptr);
    ExpectConsistentLinks();

    Build({{L"(UTC-05:00) Bogota", L"SA Pacific Standard Time"},
           {L"(UTC-08:00) Pacific", L"Pacific Standard Time"}});
    EXPECT_EQ(KeysFromHead(),
              (std::vector<std::wstring>{L"Pacific Standard Time", L"SA Pacific Standard Time"}));
    EXPECT_EQ(timeZoneCatalogue.selectedZone, timeZoneCatalogue.head);
    ExpectConsistentLinks();

    // A text too short to carry a sign is not west of UTC; one without any is refused.
    Build({{L"(UTC", L"short"}, {L"(UTC-", L"dash"}});
    EXPECT_EQ(KeysFromHead(), (std::vector<std::wstring>{L"dash", L"short"}));
    EXPECT_EQ(AddTimeZoneEntry(nullptr, L"none", nullptr), 0);
    EXPECT_EQ(timeZoneCatalogue.count, 2);
}

TEST_F(TimeZoneCatalogueTest, ClearFreesEverythingAndCounts) {
    Build({{L"(UTC-01:00) Azores", L"Azores Standard Time"},
           {L"(UTC+01:00) Paris", L"Romance Standard Time"},
           {L"(UTC+02:00) Cairo", L"Egypt Standard Time"}});
    EXPECT_EQ(ClearTimeZoneCatalogue(), 3);
    EXPECT_EQ(timeZoneCatalogue.head, nullptr);
    EXPECT_EQ(timeZoneCatalogue.tail, nullptr);
    EXPECT_EQ(timeZoneCatalogue.selectedZone, nullptr);
    EXPECT_EQ(timeZoneCatalogue.count, 0);
    EXPECT_EQ(ClearTimeZoneCatalogue(), 0);

    // A build left unfinished still has its west zones freed (and counted).
    BeginTimeZoneCatalogue();
    AddTimeZoneEntry(L"(UTC-01:00) Azores", L"Azores Standard Time", nullptr);
    AddTimeZoneEntry(L"(UTC+01:00) Paris", L"Romance Standard Time", nullptr);
    EXPECT_EQ(ClearTimeZoneCatalogue(), 2);

    // Rebuilding starts from nothing.
    Build({{L"(UTC+01:00) Paris", L"Romance Standard Time"}});
    Build({{L"(UTC+01:00) Paris", L"Romance Standard Time"}});
    EXPECT_EQ(timeZoneCatalogue.count, 1);
}

TEST_F(TimeZoneCatalogueTest, FormatsTheStandardOffset) {
    wchar_t text[64];
    TIME_ZONE_INFORMATION zone = ZoneWithBias(300, L"Eastern Standard Time");
    zone.DaylightBias = -60; // never enters the text
    EXPECT_EQ(FormatZoneOffset(&zone, text, 64), 33);
    EXPECT_STREQ(text, L"(UTC-05:00) Eastern Standard Time");

    zone = ZoneWithBias(-330, L"India Standard Time");
    FormatZoneOffset(&zone, text, 64);
    EXPECT_STREQ(text, L"(UTC+05:30) India Standard Time");

    zone = ZoneWithBias(0, L"GMT Standard Time");
    FormatZoneOffset(&zone, text, 64);
    EXPECT_STREQ(text, L"(UTC+00:00) GMT Standard Time");

    zone = ZoneWithBias(210, L"Newfoundland Standard Time");
    FormatZoneOffset(&zone, text, 64);
    EXPECT_STREQ(text, L"(UTC-03:30) Newfoundland Standard Time");
}

TEST_F(TimeZoneCatalogueTest, FormatNeverOverrunsTheBufferOrTheName) {
    wchar_t text[16];
    for (wchar_t& c : text)
        c = L'#';
    TIME_ZONE_INFORMATION zone = ZoneWithBias(300, L"Eastern Standard Time");
    EXPECT_EQ(FormatZoneOffset(&zone, text, 5), -1);
    EXPECT_EQ(wcslen(text), 4u);
    EXPECT_EQ(text[5], L'#');

    // A name field without terminator ends at its 31st character.
    for (wchar_t& c : zone.StandardName)
        c = L'x';
    zone.Bias = static_cast<LONG>(-2147483647 - 1);
    wchar_t wide[128];
    ASSERT_GT(FormatZoneOffset(&zone, wide, 128), 0);
    EXPECT_EQ(std::wstring(wcschr(wide, L' ') + 1), std::wstring(31, L'x'));
}

TEST_F(TimeZoneCatalogueTest, FindsZonesByKeyNameBeforeStandardName) {
    Build({
        {L"(UTC-05:00) Eastern Time (US & Canada)", L"Eastern Standard Time"},
        {L"(UTC+01:00) Brussels, Copenhagen, Madrid, Paris", L"Romance Standard Time"},
        {L"(UTC) Coordinated Universal Time", L"UTC"},
        {L"(UTC+02:00) Helsinki", L"FLE Standard Time"},
    });
    // Catalogue order: Eastern, UTC, Romance, FLE.
    EXPECT_EQ(FindZoneIndexByName(L"Romance Standard Time", L"Paris, Madrid"), 2);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Romance Standard Time");

    // The key name wins over a standard name that is another zone's key.
    EXPECT_EQ(FindZoneIndexByName(L"FLE Standard Time", L"Eastern Standard Time"), 3);

    // No key name (older systems): the standard name is tried as a key.
    EXPECT_EQ(FindZoneIndexByName(L"", L"UTC"), 1);
    EXPECT_EQ(FindZoneIndexByName(nullptr, L"Eastern Standard Time"), 0);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Eastern Standard Time");
    EXPECT_FALSE(HasPendingError());

    // Exact match only: case and partial names do not count.
    EXPECT_EQ(FindZoneIndexByName(L"utc", L"Eastern"), 0);
    EXPECT_EQ(timeZoneCatalogue.selectedZone, nullptr);
    ErrorState error = TakePendingError();
    EXPECT_STREQ(error.message, L"Local Timezone Not Found");
}

TEST_F(TimeZoneCatalogueTest, EntriesWithoutKeyNameAreSkippedWhenSearching) {
    Build({
        {L"(UTC-06:00) Central America", nullptr},
        {L"(UTC+03:00) Nairobi", L"E. Africa Standard Time"},
        {L"(UTC+04:00) Abu Dhabi", nullptr},
    });
    EXPECT_EQ(timeZoneCatalogue.count, 3);
    EXPECT_EQ(timeZoneCatalogue.head->keyName, nullptr);
    EXPECT_EQ(FindZoneIndexByName(L"E. Africa Standard Time", nullptr), 1);
    EXPECT_EQ(FindZoneIndexByName(nullptr, nullptr), 0);
    EXPECT_EQ(timeZoneCatalogue.selectedZone, nullptr);
    EXPECT_TRUE(HasPendingError());
    EXPECT_EQ(ClearTimeZoneCatalogue(), 3);
}

} // namespace
