// The internet connection test: while the program runs, the local network
// (LAN) state is checked every second; when the test is enabled, up to five
// web addresses are requested every test interval and the number that
// answer is counted; when the down test is enabled too and the internet
// stays down for the down time, the reset program is run (and again after
// every further down time). Changes of state, resets and errors go to the
// error log (support/error_log.h). The main window calls the tick once a
// second; the state word and counters are in services/connection_probe.h.
#pragma once

#include <cstdint>

enum {
    kInternetAddressCount = 5,
    kInternetTextLength = 8196,
    kTestIntervalMinSeconds = 30,
    kTestIntervalMaxSeconds = 120,
    kDownTimeMinMinutes = 5,
    kDownTimeMaxMinutes = 60,
    kDefaultTestIntervalMs = 60000,
    kDefaultDownTimeMs = 600000,
    kInternetStatusLength = 64,
};

struct InternetSettings {
    bool testEnabled;
    int32_t intervalMs;
    bool downTestEnabled;
    int32_t downTimeMs;
    wchar_t resetProgram[kInternetTextLength];
    wchar_t resetCommandLine[kInternetTextLength];
    wchar_t resetKeystrokes[kInternetTextLength];
    wchar_t addresses[kInternetAddressCount][kInternetTextLength];
};
extern InternetSettings internetSettings;

// The test's timing and reset bookkeeping, in milliseconds of the system's
// 64-bit tick count.
struct InternetSchedule {
    bool testAtNextTick;     // no test yet, or one was asked for
    uint64_t lastTest;       // when the last test started
    int lastConnectionFlags; // the system's flags at the last look; -1 none
    bool down;               // the internet is down since downSince
    uint64_t downSince;
    bool resetRequested;      // run a reset at the next tick
    uint32_t lastLoggedState; // the state word last written to the log
};
extern InternetSchedule internetSchedule;

// Events of a tick, besides the plain once-a-second tick (0).
enum InternetTickEvent {
    kTickPlain = 0,
    kTickLogOn = 1,
    kTickLogOnAndClear = 2,
    kTickLogError = 3, // log the error just reported
    kTickLogInfo = 4,
    kTickLogReset = 5,
    kTickLogResetFailed = 6,
    kTickLogPendingError = 7, // log the pending error, once
    kTickLogOff = 8,
};

// The default settings and bookkeeping: test on every 60 s, down test off
// with 10 minutes, the five default addresses, a test at the next tick; the
// reset program, command line and keystrokes are kept. When the system
// reports a connection the state becomes "LAN up, no test yet" (17).
void ApplyInternetDefaults();
// The five default test addresses: well-known public web sites.
const wchar_t* DefaultTestAddress(int index);

// Asks for a test at the next tick.
void TestAtNextTick();
// Test off: the down test off too, the requests closed, the state refreshed
// from the system, a test at the next tick.
void SwitchTestOff();
// Ends the current test's requests and closes the session.
void CloseInternetSession();
// Asks for a reset at the next tick.
void RequestInternetReset();

// True when a test is due at `now` (1 ms ticks): at the first tick, after a
// request, when the interval has passed since the last test, or when the
// system's connection flags changed since the last look. Records the test.
bool IsTestDue(uint64_t now, int connectionFlags);
// Starts a test now: asks the system for its connection, then (when the test
// is on and there is one) requests every address.
void StartInternetTest();

// What the reset check decided at a tick.
enum ResetDecision { kNoReset, kResetForDownTime, kResetAsRequested };
// The reset check at `now`: clears the down time when no reset is needed,
// starts it at the first down tick, and decides a reset when the down time
// has passed since (then counting the down time from now again) or one was
// requested.
ResetDecision CheckForReset(uint64_t now);
// Runs the reset program (or hands the reset to the main window when it
// names this program). True when it was started.
bool RunInternetReset();
// The setup dialog's "Test Reset": runs the reset now; its end is reported
// but not logged.
bool RunTrialReset();

// One tick at `now` with an event: logging switched on or off (events 1, 2,
// 8); the reset check with the reset's log line; the state logged when it
// changed; a test started when one is due; the event's own log line.
// Returns false when logging was switched and the log could not be written.
bool InternetTick(int event, uint64_t now);
// The last steps of the program: the LAN check when due, the reset check and
// the state logging once more, then the requests and the session closed.
void EndInternetTest(uint64_t now);

// "?", "Up" or "Down" for the state word's LAN bits.
const wchar_t* LanStatusText(uint32_t state);
// "Up (n)", "Test", "?" or "Down" for the state word's internet bits.
void InternetStatusText(uint32_t state, int answered, wchar_t* text, int capacity);
// The status bar's line: "LAN: <lan>, " and "Internet: <internet>" (lanUp and
// internetUp tell their colours), or "LAN & Internet: <lan>" alone.
struct InternetStatusLine {
    wchar_t lanPart[kInternetStatusLength];
    wchar_t internetPart[kInternetStatusLength];
    bool lanGreen;
    bool internetGreen;
};
void FormatInternetStatusLine(uint32_t state, int answered, InternetStatusLine* line);

// Writes "<type>,<lan>,<internet>[,<message>]" to the error log with the
// current state, each field quoted as CSV asks. False when the log could
// not be written.
bool LogInternetRecord(const wchar_t* type, const wchar_t* message);
// Logs the pending error (category title or "Error", and its message) once:
// true when it was written now, false when there is none or it was logged.
bool LogPendingErrorOnce();
