// The compiled location table: its shape, names, order and coordinates, so
// that a regenerated table cannot silently break what the dialog relies on.
#include "locations/location_table.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(LocationTable, CategoriesHoldTheirPlacesBetweenBlanksUpToOneEndRow) {
    // clang-format off
    const std::vector<std::pair<std::wstring, size_t>> expected = {
        {L"Special Locations", 5},
        {L"US and Canadian Cities, Alphabetical by City", 129},
        {L"World Capitals, Alphabetical by Country", 200},
        {L"United States Airport Cities, Alphabetical by State then City", 0},
        {L"Alabama", 16}, {L"Alaska", 103}, {L"Arizona", 25}, {L"Arkansas", 15},
        {L"California", 119}, {L"Colorado", 33}, {L"Connecticut", 9}, {L"Delaware", 2},
        {L"District of Columbia", 2}, {L"Florida", 50}, {L"Georgia", 23}, {L"Hawaii", 17},
        {L"Idaho", 20}, {L"Illinois", 35}, {L"Indiana", 12}, {L"Iowa", 12}, {L"Kansas", 24},
        {L"Kentucky", 11}, {L"Louisiana", 28}, {L"Maine", 13}, {L"Maryland", 10},
        {L"Massachusetts", 18}, {L"Michigan", 34}, {L"Minnesota", 28}, {L"Mississippi", 15},
        {L"Missouri", 21}, {L"Montana", 26}, {L"Nebraska", 27}, {L"Nevada", 21},
        {L"New Hampshire", 11}, {L"New Jersey", 10}, {L"New Mexico", 26}, {L"New York", 33},
        {L"North Carolina", 25}, {L"North Dakota", 13}, {L"Ohio", 18}, {L"Oklahoma", 19},
        {L"Oregon", 26}, {L"Pennsylvania", 26}, {L"Rhode Island", 4}, {L"South Carolina", 12},
        {L"South Dakota", 18}, {L"Tennessee", 12}, {L"Texas", 71}, {L"Utah", 21},
        {L"Vermont", 6}, {L"Virginia", 18}, {L"Washington", 33}, {L"West Virginia", 12},
        {L"Wisconsin", 17}, {L"Wyoming", 17}};
    // clang-format on
    const std::vector<TableCategory> categories = ReadCategories();
    ASSERT_EQ(categories.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const TableCategory& category = categories[i];
        EXPECT_EQ(category.header,
                  i < 4 ? expected[i].first : expected[i].first + L" Airport Cities");
        ASSERT_EQ(category.places.size(), expected[i].second) << i;
        for (size_t p = 0; p < category.places.size(); ++p)
            EXPECT_EQ(category.places[p], category.headerRow + 1 + int(p)); // no gaps
        // A blank above each header but the first and one after an empty category.
        if (i > 0) {
            EXPECT_EQ(KindOfLocationRow(kLocationTable[category.headerRow - 1]),
                      expected[i - 1].second == 0 ? kLocationHeader : kLocationBlank)
                << i;
        }
    }
    // Nothing else: 1551 places, 55 headers, 53 blanks and the end as the last row.
    int kinds[4] = {};
    for (const LocationEntry& row : kLocationTable)
        ++kinds[KindOfLocationRow(row)];
    EXPECT_EQ(kinds[kLocationPlace] + kinds[kLocationHeader] + kinds[kLocationBlank], 1659);
    EXPECT_EQ(kinds[kLocationBlank], 53);
    EXPECT_EQ(KindOfLocationRow(kLocationTable[kLocationRowCount - 1]), kLocationEnd);
    EXPECT_STREQ(kLocationTable[kLocationRowCount - 1].name, L"eol");
    EXPECT_EQ(categories[0].headerRow, 0);
}

struct Style {
    bool airport;                    // "[ABI] Abilene, TX", else "Front, Back"
    bool sorted;                     // alphabetical by city, country or airport city and code
    double south, north, west, east; // where the places lie
};

// City and state in the first two categories, country and capital among the
// capitals, code, city and state among the airports (one state per category).
TEST(LocationTable, NamesFollowTheirCategorysStyleOrderAndRegion) {
    const Style kSpecial{false, false, -90, 90, -180, 180}, kCities{false, true, 18, 72, -170, -52},
        kCapitals{false, true, -90, 90, -180, 180}, kAirports{true, true, 18, 72, -180, -64};
    const std::vector<TableCategory> categories = ReadCategories();
    ASSERT_EQ(categories.size(), 55u);
    std::set<std::wstring> names, states;
    double north = -90, south = 90;
    for (size_t i = 0; i < categories.size(); ++i) {
        const Style& style = i == 0 ? kSpecial : i == 1 ? kCities : i == 2 ? kCapitals : kAirports;
        std::vector<std::pair<std::wstring, std::wstring>> keys;
        std::set<std::wstring> statesHere;
        for (int row : categories[i].places) {
            const LocationEntry& place = kLocationTable[row];
            const std::wstring name = place.name;
            SCOPED_TRACE(std::string(name.begin(), name.end()));
            EXPECT_TRUE(names.insert(name).second) << "twice";
            EXPECT_LE(name.size(), 61u);
            const size_t comma = name.rfind(L", ");
            ASSERT_NE(comma, std::wstring::npos);
            const std::wstring back = name.substr(comma + 2);
            EXPECT_TRUE(comma > 0 && !back.empty() && std::iswupper(back[0]));
            if (style.airport) {
                EXPECT_TRUE(name.size() > 10 && name[0] == L'[' && name[4] == L']' &&
                            name[5] == L' ');
                EXPECT_TRUE(back.size() == 2 && std::iswupper(back[1]));
                statesHere.insert(back);
                keys.push_back({Folded(name.substr(6, comma - 6)), name.substr(1, 3)});
            } else {
                EXPECT_NE(name[0], L'[');
                keys.push_back({Folded(i == 2 ? name.substr(0, name.find(L", ")) : name), L""});
            }
            // The western Aleutians lie past the date line.
            const bool aleutian = style.airport && place.longitude > 170;
            EXPECT_TRUE(place.latitude >= style.south && place.latitude <= style.north);
            EXPECT_TRUE(aleutian ||
                        (place.longitude >= style.west && place.longitude <= style.east));
            if (i == 0)
                north = std::max(north, place.latitude), south = std::min(south, place.latitude);
        }
        EXPECT_TRUE(!style.sorted || std::is_sorted(keys.begin(), keys.end())) << i;
        if (style.airport && !keys.empty()) {
            EXPECT_EQ(statesHere.size(), 1u) << i;
            EXPECT_TRUE(states.insert(*statesHere.begin()).second) << i;
        }
    }
    // The start-up place first; special places beyond both polar circles,
    // where the sun does not rise or set for weeks.
    EXPECT_EQ(std::make_pair(kLocationTable[1].latitude, kLocationTable[1].longitude),
              std::make_pair(40.6883, -75.2164));
    EXPECT_GT(north, 66.57);
    EXPECT_LT(south, -66.57);
}

} // namespace
