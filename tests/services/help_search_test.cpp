// The help window's search over lines of text: case, the caret, the
// find-again rule and wrapping round the text both ways.
#include "services/help_search.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

namespace {

const std::vector<const wchar_t*> kText = {
    L"Sunrise and sunset",  // 0
    L"no match here",       // 1
    L"the SUN, the sun",    // 2
    L"",                    // 3
    L"dawn and dusk, sun.", // 4
};

int ReadLine(int index, wchar_t* buffer, int capacity, void* context) {
    const auto* lines = static_cast<const std::vector<const wchar_t*>*>(context);
    std::wcsncpy(buffer, (*lines)[index], capacity - 1);
    buffer[capacity - 1] = L'\0';
    return static_cast<int>(std::wcslen(buffer));
}

SearchHit Find(const wchar_t* text, int line, int column, SearchDirection direction, int findAgain,
               const std::vector<const wchar_t*>& lines = kText) {
    const SearchLines source{static_cast<int>(lines.size()), ReadLine,
                             const_cast<void*>(static_cast<const void*>(&lines))};
    return FindInLines(source, text, line, column, direction, findAgain);
}

TEST(HelpSearch, FindsByTheRulesOfCaretFindAgainAndWrapping) {
    const struct {
        const wchar_t* text;
        int line, column; // the caret
        SearchDirection direction;
        int findAgain;
        int hitLine, hitColumn; // -1: none
    } cases[] = {
        // A match at the caret is taken again only while find-again is 0.
        {L"SUN", 0, 12, kSearchForwards, 0, 0, 12},
        {L"sun", 0, 12, kSearchForwards, 1, 2, 4},
        // The caret line's near side is not searched again after wrapping.
        {L"dawn", 4, 1, kSearchForwards, 0, -1, -1},
        {L"DUSK, SUN.", 1, 0, kSearchForwards, 0, 4, 9},
        {L"", 0, 0, kSearchForwards, 0, -1, -1},
        {nullptr, 0, 0, kSearchForwards, 0, -1, -1},
    };
    for (const auto& c : cases) {
        const SearchHit hit = Find(c.text, c.line, c.column, c.direction, c.findAgain);
        EXPECT_EQ(hit.line, c.hitLine) << c.line << ":" << c.column;
        EXPECT_EQ(hit.column, c.hitColumn) << c.line << ":" << c.column;
    }
    EXPECT_EQ(Find(L"sun", 0, 0, kSearchForwards, 0, {}).line, -1);
}

// Finding again and again visits every match once, in order, and comes round.
TEST(HelpSearch, RepeatedFindsVisitEveryMatchInTurnBothWays) {
    const int forwards[][2] = {{0, 0}, {0, 12}, {2, 4}, {2, 13}, {4, 15}, {0, 0}};
    SearchHit at = {0, 0};
    int findAgain = 0;
    for (const auto& expected : forwards) {
        at = Find(L"sun", at.line, at.column, kSearchForwards, findAgain);
        EXPECT_EQ(at.line, expected[0]);
        EXPECT_EQ(at.column, expected[1]);
        findAgain = 1;
    }
    const int backwards[][2] = {{4, 15}, {2, 13}, {2, 4}, {0, 12}, {0, 0}, {4, 15}};
    for (const auto& expected : backwards) {
        at = Find(L"sun", at.line, at.column, kSearchBackwards, 1);
        EXPECT_EQ(at.line, expected[0]);
        EXPECT_EQ(at.column, expected[1]);
    }
}

} // namespace
