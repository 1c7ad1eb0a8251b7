// The help window's search history: 25 entries, unique without regard to
// case, and deleting a selection (the arrow keys: help_window_win32_test).
#include "services/search_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
        ClearSearchHistory();
        for (int i = first; i <= last; ++i)
            AddSearchText((L"text " + std::to_wstring(i)).c_str());
    }
};

// An equal text in other case moves to the newest place with its new
// spelling; a 26th text drops the oldest, an equal one does not.
TEST_F(SearchHistoryTest, TextsAreUniqueWithoutRegardToCaseAndTheOldestGoesFirst) {
    const struct {
        const wchar_t* added;
        std::vector<std::wstring> after;
    } cases[] = {
        {L"Sunrise", {L"Sunrise"}},
        {L"dusk", {L"Sunrise", L"dusk"}},
        {L"SUNRISE", {L"dusk", L"SUNRISE"}},
        {L"", {L"dusk", L"SUNRISE"}},
        {L"caf\u00e9", {L"dusk", L"SUNRISE", L"caf\u00e9"}},
        {L"CAF\u00c9", {L"dusk", L"SUNRISE", L"CAF\u00c9"}},
    };
    for (const auto& c : cases) {
        AddSearchText(c.added);
        EXPECT_EQ(Entries(), c.after) << c.added;
    }
    for (const wchar_t* added : {L"TEXT 1", L"text 26"}) {
        AddNumbered(1, 25);
        AddSearchText(added);
        EXPECT_EQ(SearchHistoryCount(), 25);
        EXPECT_EQ(Entries().front(), L"text 2");
        EXPECT_EQ(Entries().back(), added);
        EXPECT_EQ(CurrentSearchEntry(), 24);
    }
    AddSearchText(std::wstring(kSearchTextLength + 100, L'x').c_str()); // kept cut
    EXPECT_EQ(std::wstring(SearchHistoryEntry(24)).size(), size_t{kSearchTextLength - 1});
}

// Deleting keeps the others in order and the current entry when it stays;
// of 30 selected rows (in any order) the 25 lowest name the whole history.
TEST_F(SearchHistoryTest, DeletingASelection) {
    std::vector<int> thirty;
    for (int i = 29; i >= 0; --i)
        thirty.push_back(i);
    const struct {
        std::vector<int> selected;
        std::vector<std::wstring> kept;
        int current; // after, with "text 4" current before
    } cases[] = {
        {{0, 2}, {L"text 2", L"text 4", L"text 5"}, 1},
        {{3}, {L"text 1", L"text 2", L"text 3", L"text 5"}, kNoSearchEntry},
        {{4, 4, 7, -1}, {L"text 1", L"text 2", L"text 3", L"text 4"}, 3},
        {thirty, {}, kNoSearchEntry},
    };
    for (const auto& c : cases) {
        AddNumbered(1, c.selected.size() == 30 ? 25 : 5);
        SetCurrentSearchEntry(3);
        DeleteSearchEntries(c.selected.data(), static_cast<int>(c.selected.size()));
        EXPECT_EQ(Entries(), c.kept);
        EXPECT_EQ(CurrentSearchEntry(), c.current);
    }
}

} // namespace
