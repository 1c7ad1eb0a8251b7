// The compiled location table: its shape, names, order and coordinates, so
// that a regenerated table cannot silently break what the dialog relies on.
#include "locations/location_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "locations/table_walk.h"

namespace {

// Lower case without accents, the order of an alphabetical list: letters of
// Latin-1 and Latin Extended-A become their base letter ("." where none).
std::wstring Folded(const std::wstring& text) {
    static const char kBase[] =
        "aaaaaa.ceeeeiiii.nooooo..uuuuy..aaaaaa.ceeeeiiii.nooooo..uuuuy.yaaaaaaccccccccdd..eeeeeee"
        "eeegggggggghh..iiiiiiiii...jjkk.llllll....nnnnnn...oooooo..rrrrrrsssssssstttt..uuuuuuuuuuu"
        "uwwyyyzzzzzz.";
    std::wstring out;
    for (wchar_t c : text) {
        const unsigned code = static_cast<unsigned>(c);
        const bool latin = code >= 0xC0 && code < 0x180 && kBase[code - 0xC0] != '.';
        out += code < 0x80 ? wchar_t(std::towlower(c)) : latin ? wchar_t(kBase[code - 0xC0]) : c;
    }
    return out;
}

// Categories of places without gaps, a blank row before each header (but
// after an empty one), the end row last. Special places first, then cities
// and capitals sorted by name, then one sorted category of airports
// ("[ABI] Abilene, TX") per state; every name once, every place in its region.
TEST(LocationTable, CategoriesHoldUniqueSortedPlacesInTheirRegion) {
    const std::vector<TableCategory> categories = ReadCategories();
    ASSERT_EQ(categories.size(), 55u);
    EXPECT_EQ(categories[0].headerRow, 0);
    EXPECT_EQ(KindOfLocationRow(kLocationTable[kLocationRowCount - 1]), kLocationEnd);
    std::set<std::wstring> names, states;
    for (size_t i = 0; i < categories.size(); ++i) {
        const TableCategory& category = categories[i];
        const bool airport = i > 3, sorted = i > 0, world = i == 0 || i == 2;
        EXPECT_EQ(category.places.empty(), i == 3) << i;
        if (i > 0) {
            EXPECT_EQ(KindOfLocationRow(kLocationTable[category.headerRow - 1]),
                      i == 4 ? kLocationHeader : kLocationBlank)
                << i;
        }
        std::vector<std::pair<std::wstring, std::wstring>> keys;
        std::set<std::wstring> statesHere;
        for (size_t p = 0; p < category.places.size(); ++p) {
            const int row = category.places[p];
            EXPECT_EQ(row, category.headerRow + 1 + int(p)); // no gaps
            const LocationEntry& place = kLocationTable[row];
            const std::wstring name = place.name;
            SCOPED_TRACE(std::string(name.begin(), name.end()));
            EXPECT_TRUE(names.insert(name).second) << "twice";
            const size_t comma = name.rfind(L", ");
            ASSERT_NE(comma, std::wstring::npos);
            const std::wstring back = name.substr(comma + 2);
            if (airport) {
                EXPECT_TRUE(name[0] == L'[' && name[4] == L']' && back.size() == 2);
                statesHere.insert(back);
                keys.push_back({Folded(name.substr(6, comma - 6)), name.substr(1, 3)});
            } else {
                keys.push_back({Folded(i == 2 ? name.substr(0, name.find(L", ")) : name), L""});
            }
            // North America, where the western Aleutians lie past the date line.
            const bool east = place.longitude < -52 || (airport && place.longitude > 170);
            EXPECT_TRUE(world || (place.latitude > 18 && place.latitude < 72 && east));
        }
        EXPECT_TRUE(!sorted || std::is_sorted(keys.begin(), keys.end())) << i;
        if (airport) {
            EXPECT_EQ(statesHere.size(), 1u) << i;
            EXPECT_TRUE(states.insert(*statesHere.begin()).second) << i;
        }
    }
    EXPECT_EQ(names.size(), 1551u);
}

// A sample of the table's places against coordinates from an independent
// source: the time zone database's zone1970.tab and zone.tab (Debian package
// tzdata 2025b, /usr/share/zoneinfo), which give each zone's principal city
// as ISO 6709 degrees and minutes (and seconds). The strings below are copied
// from those files; the table was made from other data.
struct Reference {
    const wchar_t* name;  // as the table lists the place
    const char* zone;     // the zone whose city it is
    const char* position; // as the zone table writes it
};

const Reference kReferences[] = {
    {L"Japan, Tokyo", "Asia/Tokyo", "+353916+1394441"},
    {L"France, Paris", "Europe/Paris", "+4852+00220"},
    {L"Argentina, Buenos Aires", "America/Argentina/Buenos_Aires", "-3436-05827"},
    {L"Anchorage, Alaska", "America/Anchorage", "+611305-1495401"},
    {L"[ADK] Adak, AK", "America/Adak", "+515248-1763929"},
};

// One signed ISO 6709 value of the given number of degree digits, followed
// by minutes and perhaps seconds; advances past it.
double ReadAngle(const char*& text, int degreeDigits) {
    const double sign = *text++ == '-' ? -1.0 : 1.0;
    std::string digits;
    while (*text >= '0' && *text <= '9')
        digits += *text++;
    double value = std::atoi(digits.substr(0, degreeDigits).c_str()) +
                   std::atoi(digits.substr(degreeDigits, 2).c_str()) / 60.0;
    if (digits.size() > size_t(degreeDigits) + 2)
        value += std::atoi(digits.substr(degreeDigits + 2).c_str()) / 3600.0;
    return sign * value;
}

TEST(LocationReference, SampledPlacesLieWithinATenthOfADegreeOfTheZoneTables) {
    for (const Reference& reference : kReferences) {
        SCOPED_TRACE(reference.zone);
        const int row = FindPlace(reference.name);
        ASSERT_GE(row, 0);
        const char* text = reference.position;
        const double latitude = ReadAngle(text, 2);
        const double longitude = ReadAngle(text, 3);
        EXPECT_NEAR(kLocationTable[row].latitude, latitude, 0.1);
        EXPECT_NEAR(kLocationTable[row].longitude, longitude, 0.1);
    }
}

} // namespace
