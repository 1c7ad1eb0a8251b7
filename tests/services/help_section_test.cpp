// The [HELP] section: the search history through the settings file and the
// command language, texts with semicolons, quotes and blanks included.
#include "services/help_section.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/search_history.h"
#include "settings/command_runner.h"
#include "settings/settings_file.h"
#include "settings/settings_test_state.h"
#include "support/file_system.h"
#include "support/test_files.h"

namespace {

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
    ScratchFolder folder;
};

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
