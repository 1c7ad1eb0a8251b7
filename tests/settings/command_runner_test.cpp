#include "settings/command_runner.h"

#include <gtest/gtest.h>

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

struct CommandCase {
    const wchar_t* text;
    int result;
    const wchar_t* message;
};

TEST_F(CommandRunnerTest, CommandTextRunsCommandAfterCommand) {
    const std::wstring tooLong(9000, L'A');
    const CommandCase cases[] = {
        {L"", 0, L""},
        {L"   ", 0, L""},
        {L"SD;EXIT", 1, L""},
        {L"EXIT SDO", 1, L""},
        {L"\"SD;EXIT\"", 1, L""},
        {L"SDO ; DT24 ; LATITUDE=10 ; Pos3=1,2,300,400 // done", 0, L""},
        {L"SD xy", 0, L""},
        {L"SD a//b", 0, L""},
        {L"bogus", -2, L"Invalid command: \"bogus\""},
        {L"SD bogus", -2, L"Invalid command: \"bogus\""},
        {L"\"SD", -2, L"Missing Ending \" for: \"SD"},
        {L"LATITUDE=91", -2, L"Invalid Latitude[-90.0 - 90.0]: 91"},
        {L"TIMEZONE=Mars", -2, L"Unknown Timezone: Mars"},
        {L"Pos16", -2, L"Invalid Display Position Array # (0-15): 16"},
        {L"FCALL x", -2, L"FileCall Valid only in <File Mode"},
        {tooLong.c_str(), -2, L"String Length Exceeded: 8196 Max"},
        {L"<missing.txt", -2, L"Unable to Open Input File: \"missing.txt\""},
    };
    for (const CommandCase& c : cases) {
        ResetSettingsState();
        EXPECT_EQ(RunCommands(c.text, nullptr), c.result) << c.text;
        EXPECT_EQ(std::wstring(TakePendingError().message), c.message) << c.text;
    }
}

TEST_F(CommandRunnerTest, EveryParserTakesItsOwnCommands) {
    EXPECT_EQ(RunCommands(L"sdo;dt24;pos3=1,2,300,400;latitude=10;timezone=\"tokyo standard time\"",
                          nullptr),
              0);
    EXPECT_EQ(statusBarOn, 0);
    EXPECT_EQ(dateTimeFormat, kDateTimeFormat24);
    EXPECT_EQ(windowPositions[3].right, 300);
    EXPECT_DOUBLE_EQ(siteLatitude, 10.0);
    EXPECT_STREQ(ChosenZoneKey(), L"Tokyo Standard Time");
}

TEST_F(CommandRunnerTest, RestShowsWhereTheCommandsStopped) {
    const wchar_t text[] = L"  SDO EXIT SD";
    const wchar_t* rest = nullptr;
    EXPECT_EQ(RunCommands(text, &rest), 1);
    EXPECT_STREQ(rest, L" SD");
    const wchar_t failing[] = L"SD bogus SDO";
    EXPECT_EQ(RunCommands(failing, &rest), -2);
    EXPECT_STREQ(rest, L"bogus SDO");
    EXPECT_EQ(statusBarOn, 1); // nothing behind the failure ran
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
