// The help window's search history: 25 entries, unique without regard to
// case, the arrow keys' current entry, and deleting a selection.
#include "services/search_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/error_report.h"

namespace {

class SearchHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearSearchHistory(); }
    void TearDown() override { ClearSearchHistory(); }
    static std::vector<std::wstring> Entries() {
        std::vector<std::wstring> entries;
        for (int i = 0; i < SearchHistoryCount(); ++i)
            entries.push_back(SearchHistoryEntry(i));
        return entries;
    }
    static void AddNumbered(int first, int last) {
        for (int i = first; i <= last; ++i)
            AddSearchText((L"text " + std::to_wstring(i)).c_str());
    }
};

TEST_F(SearchHistoryTest, A26thTextDropsTheOldest) {
    AddNumbered(1, 25);
    ASSERT_EQ(SearchHistoryCount(), 25);
    AddSearchText(L"text 26");
    const std::vector<std::wstring> entries = Entries();
    ASSERT_EQ(entries.size(), 25u);
    EXPECT_EQ(entries.front(), L"text 2");
    EXPECT_EQ(entries.back(), L"text 26");
    EXPECT_EQ(CurrentSearchEntry(), 24);
}

TEST_F(SearchHistoryTest, AnEqualTextInOtherCaseMovesToTheNewestPlaceWithItsNewSpelling) {
    struct Case {
        const wchar_t* added;
        std::vector<std::wstring> after;
    };
    const Case cases[] = {
        {L"Sunrise", {L"Sunrise"}},
        {L"dusk", {L"Sunrise", L"dusk"}},
        {L"SUNRISE", {L"dusk", L"SUNRISE"}},
        {L"Dusk", {L"SUNRISE", L"Dusk"}},
        {L"", {L"SUNRISE", L"Dusk"}}, // an empty text is not added
        {L"caf\u00e9", {L"SUNRISE", L"Dusk", L"caf\u00e9"}},
        {L"CAF\u00c9", {L"SUNRISE", L"Dusk", L"CAF\u00c9"}},
    };
    for (const Case& c : cases) {
        AddSearchText(c.added);
        EXPECT_EQ(Entries(), c.after) << c.added;
    }
    // A full history takes an equal text without dropping its oldest.
    ClearSearchHistory();
    AddNumbered(1, 25);
    AddSearchText(L"TEXT 1");
    EXPECT_EQ(SearchHistoryCount(), 25);
    EXPECT_EQ(Entries().front(), L"text 2");
    EXPECT_EQ(Entries().back(), L"TEXT 1");
}

TEST_F(SearchHistoryTest, ArrowKeysStepToOlderAndNewerNeighboursAndStopAtTheEnds) {
    EXPECT_EQ(StepSearchHistory(-1), nullptr); // no current entry
    AddNumbered(1, 3);
    struct Step {
        int step;
        const wchar_t* shown; // null: nothing happens
        int current;
    };
    const Step steps[] = {
        {+1, nullptr, 2}, {-1, L"text 2", 1}, {-1, L"text 1", 0},
        {-1, nullptr, 0}, {+1, L"text 2", 1}, {+1, L"text 3", 2},
    };
    for (const Step& s : steps) {
        const wchar_t* shown = StepSearchHistory(s.step);
        if (s.shown == nullptr)
            EXPECT_EQ(shown, nullptr);
        else
            EXPECT_STREQ(shown, s.shown);
        EXPECT_EQ(CurrentSearchEntry(), s.current);
    }
    SetCurrentSearchEntry(kNoSearchEntry);
    EXPECT_EQ(StepSearchHistory(+1), nullptr);
}

TEST_F(SearchHistoryTest, DeletingThirtySelectedIndicesDeletesTheLowestTwentyFive) {
    AddNumbered(1, 25);
    // 30 selected rows, in any order: the 25 lowest name entries 0-24.
    std::vector<int> selected;
    for (int i = 29; i >= 0; --i)
        selected.push_back(i);
    EXPECT_EQ(DeleteSearchEntries(selected.data(), 30), 25);
    EXPECT_EQ(SearchHistoryCount(), 0);
    EXPECT_EQ(CurrentSearchEntry(), kNoSearchEntry);
}

TEST_F(SearchHistoryTest, DeletingKeepsTheOthersInOrderAndTheCurrentEntryWhenItStays) {
    struct Case {
        std::vector<int> selected;
        std::vector<std::wstring> kept;
        int current; // after, with "text 4" current before
    };
    const Case cases[] = {
        {{0, 2}, {L"text 2", L"text 4", L"text 5"}, 1},
        {{3}, {L"text 1", L"text 2", L"text 3", L"text 5"}, kNoSearchEntry},
        {{4, 4, 7, -1}, {L"text 1", L"text 2", L"text 3", L"text 4"}, 3},
        {{}, {L"text 1", L"text 2", L"text 3", L"text 4", L"text 5"}, 3},
    };
    for (const Case& c : cases) {
        ClearSearchHistory();
        AddNumbered(1, 5);
        SetCurrentSearchEntry(3);
        DeleteSearchEntries(c.selected.data(), static_cast<int>(c.selected.size()));
        EXPECT_EQ(Entries(), c.kept);
        EXPECT_EQ(CurrentSearchEntry(), c.current);
    }
}

TEST_F(SearchHistoryTest, AnOverlongTextIsKeptCutToTheSearchTextLength) {
    const std::wstring longText(kSearchTextLength + 100, L'x');
    ASSERT_TRUE(AddSearchText(longText.c_str()));
    EXPECT_EQ(std::wstring(SearchHistoryEntry(0)).size(), size_t{kSearchTextLength - 1});
    EXPECT_FALSE(HasPendingError());
}

} // namespace
