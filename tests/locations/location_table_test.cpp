// The compiled location table: its shape, names, order and coordinates, so
// that a regenerated table cannot silently break what the dialog relies on.
#include "locations/location_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "locations/table_walk.h"

namespace {

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

// Lower case without accents: the order of an alphabetical list. Letters of
// Latin-1 and Latin Extended-A map to their base letter ("." where none).
std::wstring Folded(const std::wstring& text) {
    static const char kBase[] =
        "aaaaaa.ceeeeiiii.nooooo..uuuuy..aaaaaa.ceeeeiiii.nooooo..uuuuy.yaaaaaaccccccccdd..eeeeeee"
        "eeegggggggghh..iiiiiiiii...jjkk.llllll....nnnnnn...oooooo..rrrrrrsssssssstttt..uuuuuuuuuuu"
        "uwwyyyzzzzzz.";
    std::wstring out;
    for (wchar_t c : text) {
        const unsigned code = static_cast<unsigned>(c);
        if (code < 0x80)
            out += static_cast<wchar_t>(std::towlower(c));
        else if (code >= 0xC0 && code < 0x180 && kBase[code - 0xC0] != '.')
            out += static_cast<wchar_t>(kBase[code - 0xC0]);
        else
            out += c;
    }
    return out;
}

// "Front, Back" split at the first comma; both parts present.
bool SplitAtComma(const std::wstring& name, std::wstring* front, std::wstring* back) {
    const size_t comma = name.find(L", ");
    if (comma == std::wstring::npos || comma == 0 || comma + 2 >= name.size()) return false;
    *front = name.substr(0, comma);
    *back = name.substr(comma + 2);
    return true;
}

struct AirportName {
    std::wstring code, city, state;
};
// "[ABI] Abilene, TX": a code of three capitals or digits, the city, the state.
bool ParseAirport(const std::wstring& name, AirportName* parts) {
    if (name.size() < 12 || name[0] != L'[' || name[4] != L']' || name[5] != L' ') return false;
    for (int i = 1; i <= 3; ++i)
        if (!std::iswupper(name[i]) && !std::iswdigit(name[i])) return false;
    const size_t comma = name.rfind(L", ");
    if (comma == std::wstring::npos || comma <= 6 || comma + 4 != name.size()) return false;
    parts->code = name.substr(1, 3);
    parts->city = name.substr(6, comma - 6);
    parts->state = name.substr(comma + 2);
    return std::iswupper(parts->state[0]) && std::iswupper(parts->state[1]);
}

const LocationEntry& Row(int row) {
    return kLocationTable[row];
}

TEST(LocationTable, HoldsPlacesHeadersAndBlanksUpToOneEndRow) {
    std::map<LocationRowKind, int> counts;
    int end = -1;
    for (int row = 0; row < kLocationRowCount && end < 0; ++row) {
        const LocationRowKind kind = KindOfLocationRow(Row(row));
        ++counts[kind];
        if (kind == kLocationEnd) end = row;
    }
    EXPECT_EQ(end, kLocationRowCount - 1);
    EXPECT_STREQ(Row(end).name, L"eol");
    EXPECT_EQ(counts[kLocationPlace], 1551);
    EXPECT_EQ(counts[kLocationHeader], 55);
    EXPECT_EQ(counts[kLocationBlank], 53);
}

TEST(LocationTable, EveryCategoryHoldsItsNumberOfPlacesInTableOrder) {
    // clang-format off
    const std::vector<std::pair<std::wstring, int>> expected = {
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
        const std::wstring header =
            i < 4 ? expected[i].first : expected[i].first + L" Airport Cities";
        EXPECT_EQ(categories[i].header, header) << i;
        EXPECT_EQ(categories[i].places.size(), size_t(expected[i].second)) << Narrow(header);
        // The places follow their header without a gap.
        for (size_t p = 0; p < categories[i].places.size(); ++p)
            EXPECT_EQ(categories[i].places[p], categories[i].headerRow + 1 + int(p));
    }
}

// A blank stands between categories; an empty category is followed at once by the next.
TEST(LocationTable, BlanksStandOnlyBetweenCategories) {
    const std::vector<TableCategory> categories = ReadCategories();
    ASSERT_FALSE(categories.empty());
    EXPECT_EQ(categories[0].headerRow, 0);
    for (size_t i = 1; i < categories.size(); ++i) {
        const int above = categories[i].headerRow - 1;
        const bool afterEmpty = categories[i - 1].places.empty();
        EXPECT_EQ(KindOfLocationRow(Row(above)), afterEmpty ? kLocationHeader : kLocationBlank)
            << Narrow(categories[i].header);
    }
    for (int row = 0; KindOfLocationRow(Row(row)) != kLocationEnd; ++row) {
        if (KindOfLocationRow(Row(row)) == kLocationBlank) {
            EXPECT_EQ(KindOfLocationRow(Row(row + 1)), kLocationHeader) << row;
        }
    }
}

TEST(LocationTable, FirstPlaceIsTheStartUpPlace) {
    EXPECT_EQ(KindOfLocationRow(Row(1)), kLocationPlace);
    EXPECT_EQ(Row(1).latitude, 40.6883);
    EXPECT_EQ(Row(1).longitude, -75.2164);
}

TEST(LocationTable, PlaceNamesAreShortUniqueAndNotBlank) {
    std::set<std::wstring> seen;
    for (const TableCategory& category : ReadCategories()) {
        EXPECT_LE(category.header.size(), 61u);
        for (int row : category.places) {
            const std::wstring name = Row(row).name;
            EXPECT_FALSE(name.empty()) << row;
            EXPECT_LE(name.size(), 61u) << Narrow(name);
            EXPECT_EQ(name.find_first_of(L"\t\r\n"), std::wstring::npos) << Narrow(name);
            EXPECT_NE(name.front(), L' ') << Narrow(name);
            EXPECT_NE(name.back(), L' ') << Narrow(name);
            EXPECT_TRUE(seen.insert(name).second) << "twice: " << Narrow(name);
        }
    }
}

// "City, State" in the first two categories, "Country, Capital" among the
// capitals, "[Code] City, ST" among the airports: each category in its order.
TEST(LocationTable, NamesFollowTheirCategorysStyleAndOrder) {
    const std::vector<TableCategory> categories = ReadCategories();
    ASSERT_EQ(categories.size(), 55u);
    std::set<std::wstring> stateCodes;
    for (size_t i = 0; i < categories.size(); ++i) {
        SCOPED_TRACE(Narrow(categories[i].header));
        std::vector<std::pair<std::wstring, std::wstring>> keys;
        std::set<std::wstring> statesHere;
        for (int row : categories[i].places) {
            const std::wstring name = Row(row).name;
            std::wstring front, back;
            AirportName airport;
            if (i < 3) {
                ASSERT_TRUE(SplitAtComma(name, &front, &back)) << Narrow(name);
                EXPECT_NE(front[0], L'[') << Narrow(name);
                EXPECT_TRUE(std::iswupper(back[0])) << Narrow(name);
                keys.push_back({Folded(i == 2 ? front : name), L""});
            } else {
                ASSERT_TRUE(ParseAirport(name, &airport)) << Narrow(name);
                statesHere.insert(airport.state);
                keys.push_back({Folded(airport.city), airport.code});
            }
        }
        if (i == 0) continue; // the start-up place first, then the others
        EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
        if (i > 3) {
            // One state code per state, and a different one for every state.
            ASSERT_EQ(statesHere.size(), 1u);
            EXPECT_TRUE(stateCodes.insert(*statesHere.begin()).second);
        }
    }
}

struct Region {
    const char* what;
    size_t firstCategory, lastCategory;
    double south, north, west, east;
};

// Cities and airports lie in North America; the western Aleutians lie past
// the date line.
TEST(LocationTable, CoordinatesLieWhereTheirCategorySays) {
    const Region regions[] = {
        {"special", 0, 0, -90, 90, -180, 180},
        {"cities", 1, 1, 18, 72, -170, -52},
        {"capitals", 2, 2, -90, 90, -180, 180},
        {"airports", 4, 54, 18, 72, -180, -64},
    };
    const std::vector<TableCategory> categories = ReadCategories();
    for (const Region& region : regions)
        for (size_t i = region.firstCategory; i <= region.lastCategory; ++i)
            for (int row : categories.at(i).places) {
                const LocationEntry& place = Row(row);
                const bool aleutian = i > 3 && place.longitude > 170;
                EXPECT_TRUE(place.latitude >= region.south && place.latitude <= region.north &&
                            ((place.longitude >= region.west && place.longitude <= region.east) ||
                             aleutian))
                    << region.what << ": " << Narrow(place.name);
            }
}

// The special places reach beyond both polar circles, where the sun does
// not rise or set for weeks.
TEST(LocationTable, SpecialPlacesReachBothPolarRegions) {
    const TableCategory special = ReadCategories().at(0);
    double north = -90, south = 90;
    for (int row : special.places) {
        north = std::max(north, Row(row).latitude);
        south = std::min(south, Row(row).latitude);
    }
    EXPECT_GT(north, 66.57);
    EXPECT_LT(south, -66.57);
}

} // namespace
