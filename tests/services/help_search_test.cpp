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

SearchLines Lines(const std::vector<const wchar_t*>& text) {
    return {static_cast<int>(text.size()), ReadLine,
            const_cast<void*>(static_cast<const void*>(&text))};
}

struct SearchCase {
    const wchar_t* text;
    int line, column; // the caret
    SearchDirection direction;
    int findAgain;
    int hitLine, hitColumn; // -1: none
};

TEST(HelpSearch, FindsByTheRulesOfCaretFindAgainAndWrapping) {
    const SearchCase cases[] = {
        // Case does not matter; the first match at or after the caret.
        {L"sun", 0, 0, kSearchForwards, 0, 0, 0},
        {L"SUN", 0, 1, kSearchForwards, 0, 0, 12},
        // A match at the caret is taken again only while find-again is 0.
        {L"sun", 0, 12, kSearchForwards, 0, 0, 12},
        {L"sun", 0, 12, kSearchForwards, 1, 2, 4},
        {L"sun", 2, 4, kSearchForwards, 1, 2, 13},
        // Forwards past the last line wraps to the first.
        {L"sun", 4, 16, kSearchForwards, 1, 0, 0},
        {L"dawn", 4, 1, kSearchForwards, 0, -1,
         -1}, // the caret line's near side is not searched again
        // Backwards: the last match at or before the caret, then up the lines.
        {L"sun", 2, 16, kSearchBackwards, 0, 2, 13},
        {L"sun", 2, 13, kSearchBackwards, 1, 2, 4},
        {L"sun", 2, 4, kSearchBackwards, 1, 0, 12},
        // Backwards past the first line wraps to the last.
        {L"sun", 0, 0, kSearchBackwards, 1, 4, 15},
        {L"and", 0, 2, kSearchBackwards, 0, 4, 5},
        // Misses: an absent text, an empty one.
        {L"moon", 2, 3, kSearchForwards, 0, -1, -1},
        {L"moon", 2, 3, kSearchBackwards, 0, -1, -1},
        {L"", 0, 0, kSearchForwards, 0, -1, -1},
        // A phrase with blanks and punctuation.
        {L"DUSK, SUN.", 1, 0, kSearchForwards, 0, 4, 9},
    };
    for (const SearchCase& c : cases) {
        const SearchHit hit =
            FindInLines(Lines(kText), c.text, c.line, c.column, c.direction, c.findAgain);
        EXPECT_EQ(hit.line, c.hitLine) << c.text << " from " << c.line << ":" << c.column;
        EXPECT_EQ(hit.column, c.hitColumn) << c.text << " from " << c.line << ":" << c.column;
    }
}

// Finding again and again visits every match once, in order, and comes round.
TEST(HelpSearch, RepeatedFindsVisitEveryMatchInTurnBothWays) {
    const int forwards[][2] = {{0, 0}, {0, 12}, {2, 4}, {2, 13}, {4, 15}, {0, 0}};
    SearchHit at = {0, 0};
    int findAgain = 0;
    for (const auto& expected : forwards) {
        at = FindInLines(Lines(kText), L"sun", at.line, at.column, kSearchForwards, findAgain);
        EXPECT_EQ(at.line, expected[0]);
        EXPECT_EQ(at.column, expected[1]);
        findAgain = 1;
    }
    const int backwards[][2] = {{4, 15}, {2, 13}, {2, 4}, {0, 12}, {0, 0}, {4, 15}};
    for (const auto& expected : backwards) {
        at = FindInLines(Lines(kText), L"sun", at.line, at.column, kSearchBackwards, 1);
        EXPECT_EQ(at.line, expected[0]);
        EXPECT_EQ(at.column, expected[1]);
    }
}

TEST(HelpSearch, AnEmptyTextOrNoLinesFindNothing) {
    const std::vector<const wchar_t*> none;
    EXPECT_EQ(FindInLines(Lines(none), L"sun", 0, 0, kSearchForwards, 0).line, -1);
    EXPECT_EQ(FindInLines(Lines(kText), nullptr, 0, 0, kSearchForwards, 0).line, -1);
}

} // namespace
