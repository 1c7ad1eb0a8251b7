// The internet test's clock work: when a test is due and when the down time
// calls for a reset (also across the 32-bit tick count's wrap), the answer
// counting of one test against late reports of an older one, and the
// keystroke lines of the reset.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "services/connection_probe.h"
#include "services/internet_test.h"
#include "services/keystroke_text.h"
#include "services/test_settings.h"
#include "support/bounded_format.h"
#include "support/error_report.h"

namespace {

class InternetScheduleTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        internetSettings.testEnabled = true;
        internetSettings.downTestEnabled = false;
        internetSettings.intervalMs = kDefaultTestIntervalMs;
        internetSettings.downTimeMs = kDefaultDownTimeMs;
        CopyText(internetSettings.resetProgram, kInternetTextLength, L"");
        CopyText(internetSettings.resetCommandLine, kInternetTextLength, L"");
        internetSchedule = InternetSchedule{true, 0, -1, false, 0, false, kStateNothingKnown};
        SetConnectionState(kStateNothingKnown);
        TakePendingError();
    }
};

// Down test on, internet down from the first tick: a test is due at start,
// after each interval and when the LAN changes; a reset one down time after
// the first down tick and after each further down time, counted anew when
// the internet comes back. The same around the places where narrower tick
// counts wrap (32 bits after 49.7 days; every 864000000 ms).
TEST_F(InternetScheduleTest, TestsAndResetsFollowTheIntervalAndDownTimeAcrossTheWrap) {
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
TEST_F(InternetScheduleTest, AnAskedForResetRunsOnceAndOnlyWithSomethingToRun) {
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
TEST_F(InternetScheduleTest, AnswersCountOnlyIntoTheirOwnTest) {
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

TEST_F(InternetScheduleTest, KeystrokeTextBecomesTypedLines) {
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
TEST_F(InternetScheduleTest, OnlyLoopbackHostsCountAsLoopback) {
    for (const wchar_t* address :
         {L"http://127.1.2.3:8080/x", L"https://LOCALHOST/", L"http://user@127.0.0.1/"})
        EXPECT_TRUE(IsLoopbackAddress(address)) << address;
    for (const wchar_t* address :
         {L"http://128.0.0.1/", L"http://127.0.0.1.example/", L"http://localhost.example/", L""})
        EXPECT_FALSE(IsLoopbackAddress(address)) << address;
}

} // namespace
