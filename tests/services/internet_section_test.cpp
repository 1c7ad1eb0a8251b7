// The [INTERNET] commands: what each sets, what a bad value says (and that it
// changes nothing), and a written section that reads back whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

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

class InternetSectionTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        ApplyInternetDefaults();
        for (wchar_t* text : {internetSettings.resetProgram, internetSettings.resetCommandLine,
                              internetSettings.resetKeystrokes})
            CopyText(text, kInternetTextLength, L"");
        internetSchedule = InternetSchedule{false, 0, -1, false, 0, false, kStateNothingKnown};
        internetSectionActive = false;
        TakePendingError();
    }
};

// Test on, interval (s), down test on, down time (min), reset asked for,
// test at the next tick.
using Observed = std::tuple<bool, int, bool, int, bool, bool>;

Observed Observe() {
    return Observed{internetSettings.testEnabled,     internetSettings.intervalMs / 1000,
                    internetSettings.downTestEnabled, internetSettings.downTimeMs / 60000,
                    internetSchedule.resetRequested,  internetSchedule.testAtNextTick};
}

const Observed kDefaults{true, 60, false, 10, false, false};

TEST_F(InternetSectionTest, CommandsSetTheTest) {
    const struct {
        const wchar_t* text;
        int result;
        Observed after;
    } cases[] = {
        {L"IT=45", 3, {true, 45, false, 10, false, true}},
        {L"it 0x1E", 3, {true, 30, false, 10, false, true}},
        {L"ITO", 3, {false, 60, false, 10, false, true}},
        {L"IDT 60", 3, {true, 60, false, 60, false, false}},
        {L"IDT", 3, {true, 60, true, 10, false, true}},
        {L"IDT;ITO", 3, {false, 60, false, 10, false, true}},
        {L"TID", 3, {true, 60, false, 10, true, false}},
        {L"ITX", 0, kDefaults},
    };
    for (const auto& c : cases) {
        Reset();
        EXPECT_EQ(ParseInternetCommand(c.text, nullptr), c.result) << c.text;
        EXPECT_EQ(Observe(), c.after) << c.text;
        EXPECT_FALSE(HasPendingError()) << c.text;
    }
}

TEST_F(InternetSectionTest, ABadValueIsReportedAndChangesNothing) {
    const struct {
        const wchar_t* text;
        const wchar_t* message;
    } cases[] = {
        {L"IT=29", L"IT# Test Time in Seconds Out of Range[30-120]: 29"},
        {L"IT=121", L"IT# Test Time in Seconds Out of Range[30-120]: 121"},
        {L"IT=", L"Missing IT# Value"},
        {L"IDT=4", L"Invalid Internet Down Time [5-60]: 4"},
        {L"IDT=", L"Missing IDT# Value"},
        {L"EU=http://a", L"Missing EU# Value"},
        {L"EU6=http://a", L"Invalid # for Edit URL EU# [1->5]: 6"},
        {L"EU0=http://a", L"Invalid # for Edit URL EU# [1->5]: 0"},
        {L"EU2=", L"Missing # for Edit URL EU#"},
    };
    for (const auto& c : cases) {
        Reset();
        EXPECT_EQ(ParseInternetCommand(c.text, nullptr), -2) << c.text;
        EXPECT_EQ(Observe(), kDefaults) << c.text;
        EXPECT_STREQ(TakePendingError().message, c.message) << c.text;
        for (int i = 0; i < kInternetAddressCount; ++i)
            EXPECT_STREQ(internetSettings.addresses[i], DefaultTestAddress(i)) << c.text;
    }
    // On the command line a bad value stops the commands with its message.
    EXPECT_EQ(RunCommands(L"IT=45;IDT=61;IT=90", nullptr), -2);
    EXPECT_STREQ(PendingError().message, L"Invalid Internet Down Time [5-60]: 61");
    EXPECT_EQ(Observe(), Observed(true, 45, false, 10, false, true));
}

TEST_F(InternetSectionTest, TextValuesTakeTheLineOrAQuotedValue) {
    InternetSettings& s = internetSettings;
    const struct {
        const wchar_t* text;
        const wchar_t* field;
        const wchar_t* value;
    } cases[] = {
        {L"IDP=C:\\Program Files\\telnet.exe", s.resetProgram, L"C:\\Program Files\\telnet.exe"},
        {L"IDC = -telnet modem.home ; more", s.resetCommandLine, L"-telnet modem.home ; more"},
        {L"IDK=\"a \\\"b\\\" \\\\n\";IDP=x", s.resetKeystrokes, L"a \"b\" \\n"},
        {L"IDK=\"a \\\"b\\\" \\\\n\";IDP=x", s.resetProgram, L"x"},
        {L"EU2 = http://h/a,b", s.addresses[1], L"http://h/a"},
        {L"eu2=\"http://h/a b;c\" // comment", s.addresses[1], L"http://h/a b;c"},
    };
    for (const auto& c : cases) {
        Reset();
        ParseInternetCommand(c.text, nullptr);
        EXPECT_STREQ(c.field, c.value) << c.text;
        EXPECT_FALSE(HasPendingError()) << c.text << PendingError().message;
    }
    // DIU brings the defaults back and keeps the reset program and its texts.
    for (const wchar_t* line : {L"IT=90;IDT;IDT=30;EU1=http://127.0.0.1/;IDP=p", L"IDC=c", L"DIU"})
        ASSERT_EQ(ParseInternetCommand(line, nullptr), 3) << line;
    EXPECT_EQ(Observe(), Observed(true, 60, false, 10, false, true));
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
    wchar_t* fields[] = {internetSettings.resetProgram,    internetSettings.resetCommandLine,
                         internetSettings.resetKeystrokes, internetSettings.addresses[0],
                         internetSettings.addresses[1],    internetSettings.addresses[2],
                         internetSettings.addresses[3],    internetSettings.addresses[4]};
    for (int i = 0; i < 8; ++i)
        CopyText(fields[i], kInternetTextLength, odd[i]);
    ASSERT_TRUE(WriteSettingsFile(path.c_str()));
    Reset();
    ASSERT_GE(ReadSettingsFile(path.c_str()), 0) << PendingError().message;
    EXPECT_FALSE(HasPendingError()) << PendingError().message;
    EXPECT_EQ(Observe(), Observed(true, 45, true, 7, false, true));
    for (int i = 0; i < 8; ++i)
        EXPECT_STREQ(fields[i], odd[i]) << i;
    SetFileReadOnly(path.c_str(), false);
}

} // namespace
