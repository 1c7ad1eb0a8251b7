#include "settings/command_runner.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "settings_test_state.h"
#include "support/test_files.h"

namespace {

class CommandRunnerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.Enter();
        ResetSettingsState();
        InstallTestZones();
    }
    void TearDown() override {
        ResetSettingsState();
        ClearTimeZoneCatalogue();
    }
    ScratchFolder folder;
};

// What a text returns and reports, where it stopped, and whether the status
// bar command behind a stop ran (it must not).
TEST_F(CommandRunnerTest, CommandTextRunsCommandAfterCommand) {
    const std::wstring tooLong(9000, L'A');
    const struct {
        const wchar_t* text;
        int result;
        const wchar_t* message;
        const wchar_t* rest;
    } cases[] = {
        {L"", 0, L"", L""},
        {L"SD;EXIT", 1, L"", L""},
        {L"  SD EXIT SDO", 1, L"", L" SDO"},
        {L"\"SD;EXIT\"", 1, L"", L"\"SD;EXIT\""},
        {L"SD xy", 0, L"", L"xy"},
        {L"bogus", -2, L"Invalid command: \"bogus\"", L"bogus"},
        {L"SD bogus SDO", -2, L"Invalid command: \"bogus SDO\"", L"bogus SDO"},
        {L"\"SD", -2, L"Missing Ending \" for: \"SD", L"\"SD"},
        {tooLong.c_str(), -2, L"String Length Exceeded: 8196 Max", tooLong.c_str()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(c.text).substr(0, 20));
        ResetSettingsState();
        const wchar_t* rest = nullptr;
        EXPECT_EQ(RunCommands(c.text, &rest), c.result);
        EXPECT_EQ(std::wstring(TakePendingError().message), c.message);
        EXPECT_EQ(rest, c.text + (std::wcslen(c.text) - std::wcslen(c.rest)));
        EXPECT_EQ(statusBarOn, 1);
    }
}

TEST_F(CommandRunnerTest, CommandFilesRunLineByLineAndSayWhereTheyFailed) {
    folder.WriteText(L"commands.txt", "SDO\n"
                                      "DT24 // the 24-hour clock\n"
                                      ":place LATITUDE=12 ; LONGITUDE=13\n"
                                      "bogus line\n"
                                      "SD\n");
    EXPECT_EQ(RunCommands(L"<commands.txt", nullptr), -2);
    EXPECT_EQ(std::wstring(TakePendingError().message),
              L"Invalid command: \"bogus line\" Line: 4 File: \"<commands.txt\"");
    EXPECT_EQ(statusBarOn, 0);
    EXPECT_EQ(dateTimeFormat, kDateTimeFormat24);
    EXPECT_DOUBLE_EQ(siteLongitude, 13.0);

    ResetSettingsState();
    EXPECT_EQ(RunCommands(L"\"<commands.txt@place\"", nullptr), 0);
    EXPECT_DOUBLE_EQ(siteLatitude, 12.0);
    EXPECT_EQ(statusBarOn, 1);

    folder.WriteText(L"exit.txt", "SDO\nQUIT\nSD\n");
    EXPECT_EQ(RunCommands(L"<exit.txt", nullptr), 1);
    EXPECT_EQ(statusBarOn, 0);

    folder.WriteText(L"abort.txt", "SD\nFABORT\n");
    EXPECT_EQ(RunCommands(L"<abort.txt", nullptr), -2);
    EXPECT_EQ(std::wstring(TakePendingError().message),
              L"FileAbort - Execution Terminated at line 2 in \"abort.txt\"");
}

} // namespace
