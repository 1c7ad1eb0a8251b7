// The internet test's clock work: when a test is due, when the down time
// calls for a reset (also across the 32-bit tick count's wrap), the state
// texts, the answer counting of one test against late reports of an older
// one, and the keystroke lines of the reset.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "services/connection_probe.h"
#include "services/internet_test.h"
#include "services/keystroke_text.h"
#include "services/test_settings.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "ui/internet_button_image.h"

namespace {

// Tick counts around the places where narrower counts wrap: the 32-bit tick
// count after 49.7 days, and every 864000000 ms (ten days).
const uint64_t kStarts[] = {0, 863999000, 4294966296ull, 4294967295ull - 59999,
                            5 * 864000000ull - 1};

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
    // Milliseconds as the running program sees them.
    static uint64_t Scaled(uint64_t ms) { return TestScaledMilliseconds(ms); }
};

TEST_F(InternetScheduleTest, ATestIsDueAtStartAfterEachIntervalAndOnALanChange) {
    for (uint64_t start : kStarts) {
        internetSchedule = InternetSchedule{true, 0, -1, false, 0, false, kStateNothingKnown};
        const uint64_t interval = Scaled(kDefaultTestIntervalMs);
        const uint64_t step = interval / 10; // a few ticks, whatever the test divisor
        struct {
            uint64_t at;
            int flags;
            bool due;
        } ticks[] = {
            {start, 5, true},
            {start + step, 5, false},
            {start + interval - 1, 5, false},
            {start + interval, 5, true},
            {start + interval + step, 5, false},
            {start + interval + 2 * step, 1, true}, // the LAN changed
            {start + interval + 3 * step, 1, false},
            {start + 2 * interval + 2 * step - 1, 1, false},
            {start + 2 * interval + 2 * step, 1, true},
        };
        for (const auto& t : ticks)
            EXPECT_EQ(IsTestDue(t.at, t.flags), t.due) << start << " +" << t.at - start;
        TestAtNextTick();
        EXPECT_TRUE(IsTestDue(start + 2 * interval + 3 * step, 1));
    }
}

struct ResetTick {
    uint64_t offset; // from the first down tick
    uint32_t state;
    ResetDecision decision;
};

// With the down test on and the internet down, the first reset comes one down
// time after the first down tick and then after each further down time; the
// internet coming back starts the count anew.
TEST_F(InternetScheduleTest, ResetsFollowTheDownTimeAcrossTheWrap) {
    internetSettings.downTestEnabled = true;
    CopyText(internetSettings.resetProgram, kInternetTextLength, L"reset.exe");
    const uint64_t down = Scaled(kDefaultDownTimeMs);
    const ResetTick ticks[] = {
        {0, kStateLanUpInternetDown, kNoReset},
        {down - 1, kStateLanUpInternetDown, kNoReset},
        {down, kStateLanUpInternetDown, kResetForDownTime},
        {down + 1000, kStateLanUpTesting, kNoReset},
        {2 * down - 1, kStateLanDown, kNoReset},
        {2 * down, kStateLanUpInternetDown, kResetForDownTime},
        {2 * down + 1000, kStateLanUpInternetUp, kNoReset},
        {2 * down + 2000, kStateLanUpInternetDown, kNoReset},
        {3 * down + 1999, kStateLanUpInternetDown, kNoReset},
        {3 * down + 2000, kStateLanUpInternetDown, kResetForDownTime},
        {3 * down + 3000, kStateLanUpNoTest, kNoReset},
    };
    for (uint64_t start : kStarts) {
        internetSchedule.down = false;
        for (const ResetTick& t : ticks) {
            SetConnectionState(t.state);
            EXPECT_EQ(CheckForReset(start + t.offset), t.decision)
                << start << " +" << t.offset << " state " << t.state;
        }
    }
}

struct ResetSetup {
    const wchar_t* program;
    const wchar_t* commandLine;
    bool downTest;
    bool requested;
    ResetDecision first;  // at the first down tick
    ResetDecision second; // one down time later
};

TEST_F(InternetScheduleTest, ResetsNeedAProgramOrCommandLineAndTheDownTestOrARequest) {
    const uint64_t down = Scaled(kDefaultDownTimeMs);
    const ResetSetup setups[] = {
        {L"", L"", true, false, kNoReset, kNoReset},
        {L"", L"", true, true, kNoReset, kNoReset},
        {L"reset.exe", L"", false, false, kNoReset, kNoReset},
        {L"", L"-on", true, false, kNoReset, kResetForDownTime},
        {L"reset.exe", L"", false, true, kResetAsRequested, kNoReset},
        {L"reset.exe", L"", true, true, kResetAsRequested, kNoReset},
    };
    for (const ResetSetup& s : setups) {
        Reset();
        SetConnectionState(kStateLanUpInternetDown);
        CopyText(internetSettings.resetProgram, kInternetTextLength, s.program);
        CopyText(internetSettings.resetCommandLine, kInternetTextLength, s.commandLine);
        internetSettings.downTestEnabled = s.downTest;
        internetSchedule.resetRequested = s.requested;
        EXPECT_EQ(CheckForReset(1000), s.first) << s.program << "|" << s.commandLine;
        EXPECT_EQ(CheckForReset(1000 + down), s.second) << s.program << "|" << s.commandLine;
        EXPECT_FALSE(internetSchedule.resetRequested);
    }
}

struct StateCase {
    uint32_t state;
    int answered;
    const wchar_t* lanPart;
    const wchar_t* internetPart;
    bool lanGreen;
    bool internetGreen;
    int image;
};

// What the status bar and the toolbar button show for each state in use.
TEST_F(InternetScheduleTest, EachStateHasItsTextsColoursAndPicture) {
    const StateCase cases[] = {
        {kStateNothingKnown, 0, L"LAN: ?, ", L"Internet: ?", true, true, 13},
        {kStateLanDown, 0, L"LAN & Internet: Down", L"", false, false, 18},
        {kStateLanDownNoTest, 0, L"LAN: Down, ", L"Internet: ?", false, true, 13},
        {kStateLanUpNoTest, 0, L"LAN: Up, ", L"Internet: ?", true, true, 14},
        {kStateLanUpTesting, 0, L"LAN: Up, ", L"Internet: Test", true, true, 15},
        {kStateLanUpInternetDown, 0, L"LAN: Up, ", L"Internet: Down", true, false, 16},
        {kStateLanUpInternetUp, 3, L"LAN: Up, ", L"Internet: Up (3)", true, true, 17},
    };
    for (const StateCase& c : cases) {
        InternetStatusLine line;
        FormatInternetStatusLine(c.state, c.answered, &line);
        EXPECT_STREQ(line.lanPart, c.lanPart) << c.state;
        EXPECT_STREQ(line.internetPart, c.internetPart) << c.state;
        EXPECT_EQ(line.lanGreen, c.lanGreen) << c.state;
        EXPECT_EQ(line.internetGreen, c.internetGreen) << c.state;
        EXPECT_EQ(InternetButtonImage(c.state), c.image) << c.state;
    }
}

// Answers count once per address; the last completion decides up or down;
// reports of a test that has been replaced change nothing.
TEST_F(InternetScheduleTest, AnswersCountOnlyIntoTheirOwnTest) {
    const uint32_t first = BeginProbeTest(5);
    EXPECT_EQ(ConnectionState(), kStateLanUpTesting);
    ProbeAnswered(first, 0);
    ProbeAnswered(first, 0);
    ProbeAnswered(first, 2);
    EXPECT_EQ(ConnectionState(), kStateLanUpInternetUp);
    EXPECT_EQ(AnsweredCount(), 2);
    const uint32_t second = BeginProbeTest(2);
    EXPECT_NE(second, first);
    ProbeAnswered(first, 4);
    ProbeCompleted(first, 0);
    ProbeCompleted(first, 1);
    EXPECT_EQ(ConnectionState(), kStateLanUpTesting);
    EXPECT_EQ(AnsweredCount(), 0);
    EXPECT_EQ(RequestsInFlight(), 2);
    ProbeCompleted(second, 0);
    EXPECT_EQ(ConnectionState(), kStateLanUpTesting);
    ProbeCompleted(second, 1);
    EXPECT_EQ(ConnectionState(), kStateLanUpInternetDown);
    ProbeCompleted(second, 1);
    EXPECT_EQ(RequestsInFlight(), 0);
    EXPECT_EQ(BeginProbeTest(0) != 0, true);
    EXPECT_EQ(ConnectionState(), kStateLanUpInternetDown);
    SetConnectionState(kStateLanUpNoTest);
    EXPECT_EQ(ConnectionState(), kStateLanUpNoTest);
}

// A worker thread reporting for an old test while the window thread starts
// new ones never adds to the new test's count.
TEST_F(InternetScheduleTest, LateReportsFromAnotherThreadNeverCountIntoANewTest) {
    for (int round = 0; round < 200; ++round) {
        const uint32_t old = BeginProbeTest(5);
        std::atomic<bool> go{false};
        std::thread worker([&] {
            while (!go.load()) {
            }
            for (int i = 0; i < 5; ++i) {
                ProbeAnswered(old, i);
                ProbeCompleted(old, i);
            }
        });
        go.store(true);
        const uint32_t fresh = BeginProbeTest(5);
        worker.join();
        ASSERT_NE(fresh, old);
        EXPECT_EQ(AnsweredCount(), 0) << round;
        EXPECT_EQ(RequestsInFlight(), 5) << round;
        EXPECT_EQ(ConnectionState(), kStateLanUpTesting) << round;
    }
}

struct KeystrokeCase {
    const wchar_t* text;
    int count;
    std::vector<std::wstring> lines;
    const wchar_t* message;
};

TEST_F(InternetScheduleTest, KeystrokeTextBecomesTypedLines) {
    const KeystrokeCase cases[] = {
        {L"admin secret reboot", 3, {L"admin\r", L"secret\r", L"reboot\r"}, L""},
        {L"  admin;secret, reboot  ", 3, {L"admin\r", L"secret\r", L"reboot\r"}, L""},
        {L"\"two words\" x", 2, {L"two words\r", L"x\r"}, L""},
        {L"\"say \\\"hi\\\"\"", 1, {L"say \"hi\"\r"}, L""},
        {L"a\\tb c\\\\d 50\\% e\\q", 4, {L"a\tb\r", L"c\\d\r", L"50%\r", L"e\\q\r"}, L""},
        {L"", 0, {}, L""},
        {L"ok \"open", -1, {L"ok\r"}, L"Missing Ending \" for: \"open"},
    };
    for (const KeystrokeCase& c : cases) {
        TakePendingError();
        KeystrokeLines lines;
        EXPECT_EQ(SplitKeystrokeText(c.text, &lines), c.count) << c.text;
        std::vector<std::wstring> got;
        for (int i = 0; i < lines.count; ++i)
            got.push_back(lines.lines[i]);
        EXPECT_EQ(got, c.lines) << c.text;
        EXPECT_STREQ(PendingError().message, c.message) << c.text;
    }
}

TEST_F(InternetScheduleTest, OnlyLoopbackHostsCountAsLoopback) {
    struct {
        const wchar_t* address;
        bool loopback;
    } cases[] = {
        {L"http://127.0.0.1:8080/", true},
        {L"http://127.1.2.3/x", true},
        {L"https://LOCALHOST/", true},
        {L"http://user@127.0.0.1/", true},
        {L"127.0.0.1", true},
        {L"http://128.0.0.1/", false},
        {L"http://127.0.0.1.example/", false},
        {L"https://www.wikipedia.org/", false},
        {L"http://localhost.example/", false},
        {L"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsLoopbackAddress(c.address), c.loopback) << c.address;
}

} // namespace
