// The [INTERNET] commands and section, the test and reset schedule across the
// tick count's wraps, answer counting, and the reset's keystroke lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "services/connection_probe.h"
#include "services/internet_section.h"
#include "services/internet_test.h"
#include "services/keystroke_text.h"
#include "services/test_settings.h"
#include "settings/command_runner.h"
#include "settings/settings_file.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/test_files.h"

namespace {

class InternetTest : public ::testing::Test {
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
        SetConnectionState(kStateNothingKnown);
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

// A bad value is reported and changes nothing, the addresses included.
TEST_F(InternetTest, CommandsSetTheTestOrReportABadValue) {
    const struct {
        const wchar_t* text;
        int result;
        Observed after;
        const wchar_t* message;
    } cases[] = {
        {L"IT=45", 3, {true, 45, false, 10, false, true}, L""},
        {L"it 0x1E", 3, {true, 30, false, 10, false, true}, L""},
        {L"ITO", 3, {false, 60, false, 10, false, true}, L""},
        {L"IDT 60", 3, {true, 60, false, 60, false, false}, L""},
        {L"IDT", 3, {true, 60, true, 10, false, true}, L""},
        {L"TID", 3, {true, 60, false, 10, true, false}, L""},
        {L"ITX", 0, kDefaults, L""},
        {L"IT=29", -2, kDefaults, L"IT# Test Time in Seconds Out of Range[30-120]: 29"},
        {L"IT=", -2, kDefaults, L"Missing IT# Value"},
        {L"IDT=4", -2, kDefaults, L"Invalid Internet Down Time [5-60]: 4"},
        {L"IDT=", -2, kDefaults, L"Missing IDT# Value"},
        {L"EU=http://a", -2, kDefaults, L"Missing EU# Value"},
        {L"EU6=http://a", -2, kDefaults, L"Invalid # for Edit URL EU# [1->5]: 6"},
        {L"EU2=", -2, kDefaults, L"Missing # for Edit URL EU#"},
    };
    for (const auto& c : cases) {
        Reset();
        EXPECT_EQ(ParseInternetCommand(c.text, nullptr), c.result) << c.text;
        EXPECT_EQ(Observe(), c.after) << c.text;
        EXPECT_STREQ(TakePendingError().message, c.message) << c.text;
        for (int i = 0; i < kInternetAddressCount; ++i)
            EXPECT_STREQ(internetSettings.addresses[i], DefaultTestAddress(i)) << c.text;
    }
    // On the command line a bad value stops the commands with its message.
    EXPECT_EQ(RunCommands(L"IT=45;IDT=61;IT=90", nullptr), -2);
    EXPECT_STREQ(PendingError().message, L"Invalid Internet Down Time [5-60]: 61");
    EXPECT_EQ(Observe(), Observed(true, 45, false, 10, false, true));
}

TEST_F(InternetTest, TextValuesTakeTheLineOrAQuotedValue) {
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
TEST_F(InternetTest, TheWrittenSectionReadsBackWhole) {
    ScratchFolder folder;
    const std::wstring path = folder.Path(L"Zelmora.ini");
    ASSERT_EQ(ParseInternetCommand(L"IT=45;IDT;IDT=7", nullptr), 3);
    // Blanks, ";", "//", quotes, backslashes, an empty text, a non-ASCII letter, a comma.
    const wchar_t* odd[] = {L"C:\\a b\\go.exe", L"-x; y // z", L"\"pass\" re\\nboot", L"",
                            L"caf\u00e9",       L"h/x,y",      L"http://h/a b;c",     L"u"};
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

// Down test on, internet down from the first tick: a test is due at start,
// after each interval and when the LAN changes; a reset one down time after
// the first down tick and after each further down time, counted anew when
// the internet comes back. The same around the places where narrower tick
// counts wrap (32 bits after 49.7 days; every 864000000 ms).
TEST_F(InternetTest, TestsAndResetsFollowTheIntervalAndDownTimeAcrossTheWrap) {
    const uint64_t i = TestScaledMilliseconds(kDefaultTestIntervalMs);
    const uint64_t d = TestScaledMilliseconds(kDefaultDownTimeMs);
    ASSERT_GT(d, 4 * i);
    const uint32_t kDown = kStateLanUpInternetDown;
    const struct {
        uint64_t at;
        int flags;
        uint32_t state;
        bool due;
        ResetDecision reset;
    } ticks[] = {
        {0, 5, kDown, true, kNoReset},
        {i - 1, 5, kDown, false, kNoReset},
        {i, 5, kDown, true, kNoReset},
        {i + 1, 1, kDown, true, kNoReset}, // the LAN changed
        {2 * i, 1, kDown, false, kNoReset},
        {d - 1, 1, kDown, true, kNoReset},
        {d, 1, kDown, false, kResetForDownTime},
        {d + 1, 1, kStateLanUpTesting, false, kNoReset},
        {2 * d - 1, 1, kStateLanDown, true, kNoReset},
        {2 * d, 1, kDown, false, kResetForDownTime},
        {2 * d + i, 1, kStateLanUpInternetUp, true, kNoReset},
        {2 * d + i + 1, 1, kDown, false, kNoReset},
        {3 * d + i, 1, kDown, true, kNoReset},
        {3 * d + i + 1, 1, kDown, false, kResetForDownTime},
        {3 * d + i + 2, 1, kStateLanUpNoTest, false, kNoReset},
    };
    for (uint64_t start : {0ull, 863999000ull, 4294966296ull, 4294967295ull - 59999}) {
        Reset();
        internetSchedule.testAtNextTick = true;
        internetSettings.downTestEnabled = true;
        CopyText(internetSettings.resetProgram, kInternetTextLength, L"reset.exe");
        for (const auto& t : ticks) {
            SetConnectionState(t.state);
            EXPECT_EQ(IsTestDue(start + t.at, t.flags), t.due) << start << " +" << t.at;
            EXPECT_EQ(CheckForReset(start + t.at), t.reset) << start << " +" << t.at;
        }
    }
}

// An asked-for reset runs once, at the next tick, and only with something
// to run.
TEST_F(InternetTest, AnAskedForResetRunsOnceAndOnlyWithSomethingToRun) {
    SetConnectionState(kStateLanUpInternetDown);
    RequestInternetReset();
    EXPECT_EQ(CheckForReset(1000), kNoReset);
    CopyText(internetSettings.resetCommandLine, kInternetTextLength, L"-on");
    RequestInternetReset();
    EXPECT_EQ(CheckForReset(2000), kResetAsRequested);
    EXPECT_EQ(CheckForReset(3000), kNoReset);
}

// Answers count once per address; the last completion decides up or down;
// reports of a test that has been replaced change nothing.
TEST_F(InternetTest, AnswersCountOnlyIntoTheirOwnTest) {
    const uint32_t first = BeginProbeTest(5);
    ProbeAnswered(first, 0);
    ProbeAnswered(first, 0);
    ProbeAnswered(first, 2);
    EXPECT_EQ(ConnectionState(), kStateLanUpInternetUp);
    EXPECT_EQ(AnsweredCount(), 2);
    const uint32_t second = BeginProbeTest(2);
    ProbeAnswered(first, 4);
    ProbeCompleted(first, 0);
    ProbeCompleted(first, 1);
    EXPECT_EQ(ConnectionState(), kStateLanUpTesting);
    EXPECT_EQ(AnsweredCount(), 0);
    EXPECT_EQ(RequestsInFlight(), 2);
    ProbeCompleted(second, 0);
    ProbeCompleted(second, 1);
    EXPECT_EQ(ConnectionState(), kStateLanUpInternetDown);
}

TEST_F(InternetTest, KeystrokeTextBecomesTypedLines) {
    const struct {
        const wchar_t* text;
        std::vector<std::wstring> lines;
        const wchar_t* message;
    } cases[] = {
        {L"  admin;secret, reboot  ", {L"admin\r", L"secret\r", L"reboot\r"}, L""},
        {L"\"say \\\"hi\\\"\" x", {L"say \"hi\"\r", L"x\r"}, L""},
        {L"a\\tb c\\\\d 50\\% e\\q", {L"a\tb\r", L"c\\d\r", L"50%\r", L"e\\q\r"}, L""},
        {L"ok \"open", {L"ok\r"}, L"Missing Ending \" for: \"open"},
    };
    for (const auto& c : cases) {
        TakePendingError();
        KeystrokeLines lines;
        const int count = SplitKeystrokeText(c.text, &lines);
        EXPECT_EQ(count, *c.message != L'\0' ? -1 : static_cast<int>(c.lines.size())) << c.text;
        EXPECT_EQ(std::vector<std::wstring>(lines.lines, lines.lines + lines.count), c.lines)
            << c.text;
        EXPECT_STREQ(PendingError().message, c.message) << c.text;
    }
}

// The tests' guard: only these addresses are ever asked.
TEST_F(InternetTest, OnlyLoopbackHostsCountAsLoopback) {
    for (const wchar_t* address :
         {L"http://127.1.2.3:8080/x", L"https://LOCALHOST/", L"http://user@127.0.0.1/"})
        EXPECT_TRUE(IsLoopbackAddress(address)) << address;
    for (const wchar_t* address :
         {L"http://128.0.0.1/", L"http://127.0.0.1.example/", L"http://localhost.example/", L""})
        EXPECT_FALSE(IsLoopbackAddress(address)) << address;
}

} // namespace
