// The help window's search, its search history and the [HELP] section.
#include "services/help_section.h"
#include "services/help_search.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "services/search_history.h"
#include "settings/command_runner.h"
#include "settings/settings_file.h"
#include "settings/settings_test_state.h"
#include "support/file_system.h"
#include "support/test_files.h"

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

class HelpSectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSettingsState();
        ClearSearchHistory();
    }
    void TearDown() override {
        ClearSearchHistory();
        ResetSettingsState();
    }
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
    ScratchFolder folder;
};

// An equal text in other case moves to the newest place with its new
// spelling; a 26th text drops the oldest, an equal one does not.
TEST_F(HelpSectionTest, TextsAreUniqueWithoutRegardToCaseAndTheOldestGoesFirst) {
    const struct {
        const wchar_t* added;
        std::vector<std::wstring> after;
    } cases[] = {
        {L"Sunrise", {L"Sunrise"}},
        {L"dusk", {L"Sunrise", L"dusk"}},
        {L"SUNRISE", {L"dusk", L"SUNRISE"}},
        {L"", {L"dusk", L"SUNRISE"}},
        {L"CAF\u00c9", {L"dusk", L"SUNRISE", L"CAF\u00c9"}},
        {L"caf\u00e9", {L"dusk", L"SUNRISE", L"caf\u00e9"}},
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
TEST_F(HelpSectionTest, DeletingASelection) {
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

TEST_F(HelpSectionTest, TheHistorySurvivesTheSettingsFileWhateverItsTextsHold) {
    const std::vector<std::wstring> texts = {
        L"sunrise",          L"dawn; dusk",        L"a // not a comment",
        L"\"quoted\" words", L"  blanks around  ", L"back\\slash caf\u00e9"};
    for (const std::wstring& text : texts)
        AddSearchText(text.c_str());
    // The section as the settings file holds it.
    const std::wstring path = folder.Path(L"Zelmora.ini");
    FILE* file = OpenFileAt(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    WriteHelpSection(file);
    fclose(file);
    ClearSearchHistory();
    EXPECT_GT(ReadSettingsFile(path.c_str()), 0);
    EXPECT_FALSE(HasPendingError()) << PendingError().message;
    EXPECT_EQ(Entries(), texts);
    EXPECT_EQ(CurrentSearchEntry(), static_cast<int>(texts.size()) - 1);
}

TEST_F(HelpSectionTest, AnUnquotedTextRunsToTheEndOfItsLineSemicolonsIncluded) {
    const struct {
        const char* section;
        std::vector<std::wstring> entries;
    } cases[] = {
        {"[help]\n  srch   =   sun; moon   \n", {L"sun; moon"}},
        {"[HELP]\nSRCH=\"one\";SRCH=two;three\n", {L"one", L"two;three"}},
        {"[HELP]\nSRCH=last\n[OPTIONS]\nSRCH=not help\n", {L"last"}},
    };
    for (const auto& c : cases) {
        ClearSearchHistory();
        folder.WriteText(L"help.ini", c.section);
        ReadSettingsFile(folder.Path(L"help.ini").c_str());
        EXPECT_EQ(Entries(), c.entries) << c.section;
        TakePendingError();
    }
}

TEST_F(HelpSectionTest, SrchServesOnTheCommandLineAndStopsAtABrokenQuote) {
    EXPECT_EQ(RunCommands(L"DT24;SRCH=sunset; dusk", nullptr), 0);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{L"sunset; dusk"});
    EXPECT_EQ(RunCommands(L"SRCH=\"unclosed", nullptr), kCommandsFailed);
    EXPECT_TRUE(HasPendingError());
    EXPECT_EQ(SearchHistoryCount(), 1);
}

} // namespace
