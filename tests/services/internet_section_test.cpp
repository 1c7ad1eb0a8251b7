// The [INTERNET] commands: what each sets, what a bad value says (and that it
// changes nothing), and a written section that reads back whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "services/connection_probe.h"
#include "services/internet_section.h"
#include "services/internet_test.h"
#include "settings/command_runner.h"
#include "settings/settings_file.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/test_files.h"

namespace {

void ResetInternetState() {
    ApplyInternetDefaults();
    CopyText(internetSettings.resetProgram, kInternetTextLength, L"");
    CopyText(internetSettings.resetCommandLine, kInternetTextLength, L"");
    CopyText(internetSettings.resetKeystrokes, kInternetTextLength, L"");
    internetSchedule = InternetSchedule{false, 0, -1, false, 0, false, kStateNothingKnown};
    internetSectionActive = false;
    TakePendingError();
}

class InternetSectionTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetInternetState(); }
    void TearDown() override { ResetInternetState(); }
};

// The settings a case looks at, as numbers and texts.
struct Observed {
    bool test;
    int intervalSeconds;
    bool downTest;
    int downMinutes;
    bool resetRequested;
    bool testAtNextTick;
};

Observed Observe() {
    return Observed{internetSettings.testEnabled,     internetSettings.intervalMs / 1000,
                    internetSettings.downTestEnabled, internetSettings.downTimeMs / 60000,
                    internetSchedule.resetRequested,  internetSchedule.testAtNextTick};
}

struct CommandCase {
    const wchar_t* text;
    int result;
    Observed after; // from the defaults: test on, 60 s, down test off, 10 min
    const wchar_t* message;
};

TEST_F(InternetSectionTest, CommandsSetTheTestAndReportBadValues) {
    const CommandCase cases[] = {
        {L"IT=45", 3, {true, 45, false, 10, false, true}, L""},
        {L"it 45", 3, {true, 45, false, 10, false, true}, L""},
        {L"IT45", 3, {true, 45, false, 10, false, true}, L""},
        {L"IT=0x1E", 3, {true, 30, false, 10, false, true}, L""},
        {L"IT", 3, {true, 60, false, 10, false, true}, L""},
        {L"ITO", 3, {false, 60, false, 10, false, true}, L""},
        {L"IDT=10", 3, {true, 60, false, 10, false, false}, L""},
        {L"IDT 60", 3, {true, 60, false, 60, false, false}, L""},
        {L"IDT", 3, {true, 60, true, 10, false, true}, L""},
        {L"IDT;IDTO", 3, {true, 60, false, 10, false, true}, L""},
        {L"IDT;ITO", 3, {false, 60, false, 10, false, true}, L""},
        {L"TID", 3, {true, 60, false, 10, true, false}, L""},
        {L"IT=20",
         -2,
         {true, 60, false, 10, false, false},
         L"IT# Test Time in Seconds Out of Range[30-120]: 20"},
        {L"IT=121",
         -2,
         {true, 60, false, 10, false, false},
         L"IT# Test Time in Seconds Out of Range[30-120]: 121"},
        {L"IT=", -2, {true, 60, false, 10, false, false}, L"Missing IT# Value"},
        {L"IDT=4",
         -2,
         {true, 60, false, 10, false, false},
         L"Invalid Internet Down Time [5-60]: 4"},
        {L"IDT=-5",
         -2,
         {true, 60, false, 10, false, false},
         L"Invalid Internet Down Time [5-60]: -5"},
        {L"IDT=", -2, {true, 60, false, 10, false, false}, L"Missing IDT# Value"},
        {L"EU", -2, {true, 60, false, 10, false, false}, L"Missing EU# Value"},
        {L"EU=http://a", -2, {true, 60, false, 10, false, false}, L"Missing EU# Value"},
        {L"EU6=http://a",
         -2,
         {true, 60, false, 10, false, false},
         L"Invalid # for Edit URL EU# [1->5]: 6"},
        {L"EU0=http://a",
         -2,
         {true, 60, false, 10, false, false},
         L"Invalid # for Edit URL EU# [1->5]: 0"},
        {L"EU2=", -2, {true, 60, false, 10, false, false}, L"Missing # for Edit URL EU#"},
        {L"ITX", 0, {true, 60, false, 10, false, false}, L""},
        {L"DT24", 0, {true, 60, false, 10, false, false}, L""},
    };
    for (const CommandCase& c : cases) {
        ResetInternetState();
        const wchar_t* rest = nullptr;
        EXPECT_EQ(ParseInternetCommand(c.text, &rest), c.result) << c.text;
        const Observed o = Observe();
        EXPECT_EQ(o.test, c.after.test) << c.text;
        EXPECT_EQ(o.intervalSeconds, c.after.intervalSeconds) << c.text;
        EXPECT_EQ(o.downTest, c.after.downTest) << c.text;
        EXPECT_EQ(o.downMinutes, c.after.downMinutes) << c.text;
        EXPECT_EQ(o.resetRequested, c.after.resetRequested) << c.text;
        EXPECT_EQ(o.testAtNextTick, c.after.testAtNextTick) << c.text;
        EXPECT_STREQ(PendingError().message, c.message) << c.text;
        for (int i = 0; i < kInternetAddressCount; ++i)
            EXPECT_STREQ(internetSettings.addresses[i], DefaultTestAddress(i)) << c.text;
    }
}

struct TextCase {
    const wchar_t* text;
    const wchar_t* program;
    const wchar_t* commandLine;
    const wchar_t* keystrokes;
    const wchar_t* address2;
};

TEST_F(InternetSectionTest, TextValuesTakeTheLineOrAQuotedValue) {
    const TextCase cases[] = {
        {L"IDP=C:\\Program Files\\telnet.exe", L"C:\\Program Files\\telnet.exe", L"", L"",
         L"https://www.google.com/"},
        {L"IDC = -telnet modem.home ; more", L"", L"-telnet modem.home ; more", L"",
         L"https://www.google.com/"},
        {L"IDK=\"admin\" \"pass word\" reboot", L"", L"", L"\"admin\" \"pass word\" reboot",
         L"https://www.google.com/"},
        {L"IDK=\"a \\\"b\\\" \\\\n\";IDP=x", L"x", L"", L"a \"b\" \\n", L"https://www.google.com/"},
        {L"EU2=http://127.0.0.1:8080/up;IDP=p", L"p", L"", L"", L"http://127.0.0.1:8080/up"},
        {L"EU2 = http://h/a,b", L"", L"", L"", L"http://h/a"},
        {L"eu2=\"http://h/a b;c\" // comment", L"", L"", L"", L"http://h/a b;c"},
    };
    for (const TextCase& c : cases) {
        ResetInternetState();
        ParseInternetCommand(c.text, nullptr);
        EXPECT_STREQ(internetSettings.resetProgram, c.program) << c.text;
        EXPECT_STREQ(internetSettings.resetCommandLine, c.commandLine) << c.text;
        EXPECT_STREQ(internetSettings.resetKeystrokes, c.keystrokes) << c.text;
        EXPECT_STREQ(internetSettings.addresses[1], c.address2) << c.text;
        EXPECT_FALSE(HasPendingError()) << c.text << PendingError().message;
    }
}

// DIU brings the defaults back and keeps the reset program and its texts.
TEST_F(InternetSectionTest, DefaultsKeepTheResetProgram) {
    // IDP, IDC and IDK take the rest of their line.
    for (const wchar_t* line :
         {L"IT=90;IDT;IDT=30;EU1=http://127.0.0.1/;IDP=p", L"IDC=c", L"IDK=k", L"DIU"})
        ASSERT_EQ(ParseInternetCommand(line, nullptr), 3) << line;
    const Observed o = Observe();
    EXPECT_TRUE(o.test);
    EXPECT_EQ(o.intervalSeconds, 60);
    EXPECT_FALSE(o.downTest);
    EXPECT_EQ(o.downMinutes, 10);
    EXPECT_STREQ(internetSettings.addresses[0], DefaultTestAddress(0));
    EXPECT_STREQ(internetSettings.resetProgram, L"p");
    EXPECT_STREQ(internetSettings.resetCommandLine, L"c");
}

// Whatever the values hold, the settings file gives them back.
TEST_F(InternetSectionTest, TheWrittenSectionReadsBackWhole) {
    ScratchFolder folder;
    const std::wstring path = folder.Path(L"Zelmora.ini");
    ASSERT_EQ(ParseInternetCommand(L"IT=45;IDT;IDT=7", nullptr), 3);
    const wchar_t* odd[] = {L"C:\\a b\\reset & go.exe",
                            L"-telnet gateway.home; x // y",
                            L"admin \"pass word\" re\\nboot",
                            L"http://127.0.0.1:1/a b;c",
                            L"",
                            L"caf\u00e9",
                            L"\"quoted\"",
                            L"http://h/x,y"};
    CopyText(internetSettings.resetProgram, kInternetTextLength, odd[0]);
    CopyText(internetSettings.resetCommandLine, kInternetTextLength, odd[1]);
    CopyText(internetSettings.resetKeystrokes, kInternetTextLength, odd[2]);
    for (int i = 0; i < kInternetAddressCount; ++i)
        CopyText(internetSettings.addresses[i], kInternetTextLength, odd[3 + i]);
    ASSERT_TRUE(WriteSettingsFile(path.c_str()));
    ResetInternetState();
    ASSERT_GE(ReadSettingsFile(path.c_str()), 0) << PendingError().message;
    EXPECT_FALSE(HasPendingError()) << PendingError().message;
    const Observed o = Observe();
    EXPECT_TRUE(o.test);
    EXPECT_EQ(o.intervalSeconds, 45);
    EXPECT_TRUE(o.downTest);
    EXPECT_EQ(o.downMinutes, 7);
    EXPECT_STREQ(internetSettings.resetProgram, odd[0]);
    EXPECT_STREQ(internetSettings.resetCommandLine, odd[1]);
    EXPECT_STREQ(internetSettings.resetKeystrokes, odd[2]);
    for (int i = 0; i < kInternetAddressCount; ++i)
        EXPECT_STREQ(internetSettings.addresses[i], odd[3 + i]) << i;
    SetFileReadOnly(path.c_str(), false);
}

// On the command line a bad value stops the commands with its message.
TEST_F(InternetSectionTest, ABadValueOnTheCommandLineStopsThere) {
    EXPECT_EQ(RunCommands(L"IT=45;IDT=61;IT=90", nullptr), -2);
    EXPECT_STREQ(PendingError().message, L"Invalid Internet Down Time [5-60]: 61");
    EXPECT_EQ(Observe().intervalSeconds, 45);
    EXPECT_EQ(Observe().downMinutes, 10);
}

} // namespace
