#include "services/internet_test.h"

#include <cwchar>
#include <cwctype>

#include "services/connection_probe.h"
#include "services/internet_platform.h"
#include "services/keystroke_text.h"
#include "services/test_settings.h"
#include "support/bounded_format.h"
#include "support/error_log.h"
#include "support/error_report.h"
#include "support/file_search.h"
#include "support/file_system.h"
#include "ui/internet_button_image.h"
#include "support/text_case.h"
#include "support/text_tokens.h"

InternetSettings internetSettings = {
    true, kDefaultTestIntervalMs,   false, kDefaultDownTimeMs, L"", L"",
    L"",  {L"", L"", L"", L"", L""}};
InternetSchedule internetSchedule = {true, 0, -1, false, 0, false, kStateNothingKnown};

namespace {

const wchar_t* const kDefaultAddresses[kInternetAddressCount] = {
    L"https://www.wikipedia.org/", L"https://www.google.com/", L"https://www.microsoft.com/",
    L"https://www.apple.com/",     L"https://www.amazon.com/",
};

// The log's column list, written as the header of a new file.
const wchar_t kLogColumns[] = L"Type,LAN,Internet,Message\n";

// The pending error last written to the log, so that it is written once.
wchar_t loggedPendingError[kErrorMessageLength] = L"";
bool pendingErrorLogged = false;

// The reset that runs now was asked for by the setup dialog's "Test Reset":
// its end is reported but not logged.
bool resetIsTrial = false;

bool IsEmpty(const wchar_t* text) {
    return text == nullptr || text[0] == L'\0';
}

// True when the reset program's path names this program's own file.
bool NamesThisProgram(const wchar_t* program) {
    wchar_t self[kFilePathLength];
    if (ProgramFilePath(self, kFilePathLength) <= 0) return false;
    const wchar_t* name = FileNamePart(self);
    const size_t nameLength = std::wcslen(name);
    for (const wchar_t* p = program; std::wcslen(p) >= nameLength && *p != L'\0'; ++p) {
        size_t i = 0;
        while (i < nameLength && UpperCaseChar(p[i]) == UpperCaseChar(name[i]))
            ++i;
        if (i == nameLength) return true;
    }
    return false;
}

// Logging switched on (events 1 and 2) or off (8): the header when the file
// is new or started anew, then the start or stop record.
bool SwitchLogging(int event) {
    logRequestedState = event == kTickLogOff          ? kLogOff
                        : event == kTickLogOnAndClear ? kLogOnAndClear
                                                      : kLogOn;
    if (logRequestedState > logCurrentState) {
        if ((logRequestedState == kLogOnAndClear || !LogFileExists()) &&
            !WriteLogLine(L"%ls", kLogColumns))
            return false;
        if (!LogInternetRecord(L"Start", nullptr)) return false;
        internetSchedule.lastLoggedState = ConnectionState();
    } else if (logRequestedState < logCurrentState) {
        if (!LogInternetRecord(L"Stop", nullptr)) return false;
    }
    return true;
}

// Logs the state when it changed in its LAN bit or its internet bits since
// it was last logged, unless a test is running.
void LogStateChange() {
    const uint32_t state = ConnectionState();
    if (state & kInternetTesting) return;
    const uint32_t changed = state ^ internetSchedule.lastLoggedState;
    if ((changed & (kLanUp | kInternetUp | kInternetNotTested)) == 0) return;
    internetSchedule.lastLoggedState = state;
    LogInternetRecord(L"Info", nullptr);
}

// The end of a reset launch, once it is known.
void CollectResetOutcome() {
    wchar_t message[kErrorMessageLength] = L"";
    const ResetOutcome outcome = TakeResetOutcome(message, kErrorMessageLength);
    if (outcome != kResetStarted && outcome != kResetFailed) return;
    if (outcome == kResetFailed && message[0] != L'\0') ReportError(L"%ls", message);
    if (resetIsTrial) {
        resetIsTrial = false;
        return;
    }
    LogInternetRecord(outcome == kResetStarted ? L"Internet Reset" : L"Internet Reset Failed",
                      nullptr);
}

} // namespace

const wchar_t* DefaultTestAddress(int index) {
    return index >= 0 && index < kInternetAddressCount ? kDefaultAddresses[index] : L"";
}

void ApplyInternetDefaults() {
    CloseInternetSession();
    InternetSettings& s = internetSettings;
    s.testEnabled = true;
    s.downTestEnabled = false;
    s.intervalMs = kDefaultTestIntervalMs;
    s.downTimeMs = kDefaultDownTimeMs;
    for (int i = 0; i < kInternetAddressCount; ++i)
        CopyText(s.addresses[i], kInternetTextLength, kDefaultAddresses[i]);
    internetSchedule.resetRequested = false;
    internetSchedule.testAtNextTick = true;
    internetSchedule.down = false;
    if (QuerySystemConnection().connected) {
        SetConnectionState(kStateLanUpNoTest);
        internetSchedule.lastLoggedState = kStateLanUpNoTest;
    }
}

void TestAtNextTick() {
    internetSchedule.testAtNextTick = true;
}

void SwitchTestOff() {
    internetSettings.testEnabled = false;
    internetSettings.downTestEnabled = false;
    CloseInternetSession();
    StartInternetTest(); // only asks the system now: the test is off
    TestAtNextTick();
}

void CloseInternetSession() {
    CloseConnectionRequests();
    EndProbeTest();
}

void RequestInternetReset() {
    internetSchedule.resetRequested = true;
}

bool IsTestDue(uint64_t now, int connectionFlags) {
    InternetSchedule& s = internetSchedule;
    const uint64_t interval =
        TestScaledMilliseconds(static_cast<uint64_t>(internetSettings.intervalMs));
    // The 64-bit tick count does not wrap while the program runs: a plain
    // difference is the time that passed.
    const bool due = s.testAtNextTick || now - s.lastTest >= interval ||
                     connectionFlags != s.lastConnectionFlags;
    if (!due) return false;
    s.testAtNextTick = false;
    s.lastTest = now;
    s.lastConnectionFlags = connectionFlags;
    return true;
}

void StartInternetTest() {
    const InternetSettings& s = internetSettings;
    const SystemConnection system = QuerySystemConnection();
    if (!system.connected || system.offline) {
        SetConnectionState(s.testEnabled ? kStateLanDown : kStateLanDownNoTest);
        return;
    }
    if (!s.testEnabled) {
        SetConnectionState(kStateLanUpNoTest);
        return;
    }
    CloseConnectionRequests();
    const wchar_t* addresses[kInternetAddressCount];
    int count = 0;
    for (const auto& address : s.addresses) {
        if (IsEmpty(address)) continue;
        if (LoopbackAddressesOnly() && !IsLoopbackAddress(address)) continue;
        addresses[count++] = address;
    }
    const uint32_t generation = BeginProbeTest(count);
    if (count > 0 && !StartConnectionRequests(generation, addresses, count))
        SetConnectionState(kStateLanUpInternetDown);
}

ResetDecision CheckForReset(uint64_t now) {
    InternetSchedule& schedule = internetSchedule;
    const InternetSettings& s = internetSettings;
    const uint32_t state = ConnectionState();
    const bool nothingToRun = IsEmpty(s.resetProgram) && IsEmpty(s.resetCommandLine);
    const bool notDown = !s.downTestEnabled || (state & (kInternetUp | kInternetNotTested)) != 0;
    if (nothingToRun || (!schedule.resetRequested && notDown)) {
        schedule.down = false;
        schedule.resetRequested = false;
        return kNoReset;
    }
    if (schedule.resetRequested) {
        schedule.resetRequested = false;
        return kResetAsRequested;
    }
    if (!schedule.down) {
        schedule.down = true;
        schedule.downSince = now;
        return kNoReset;
    }
    if (now - schedule.downSince < TestScaledMilliseconds(static_cast<uint64_t>(s.downTimeMs)))
        return kNoReset;
    schedule.downSince = now;
    return kResetForDownTime;
}

bool RunInternetReset() {
    const InternetSettings& s = internetSettings;
    if (IsEmpty(s.resetProgram)) return false;
    if (NamesThisProgram(s.resetProgram)) {
        SendSelfResetCommand();
        return false;
    }
    static KeystrokeLines keystrokes;
    // A token that cannot be read is reported and ends the typing there.
    SplitKeystrokeText(s.resetKeystrokes, &keystrokes);
    return StartResetProgram(s.resetProgram, s.resetCommandLine, keystrokes);
}

bool RunTrialReset() {
    const bool started = RunInternetReset();
    resetIsTrial = started;
    return started;
}

bool InternetTick(int event, uint64_t now) {
    if (event == kTickLogOn || event == kTickLogOnAndClear || event == kTickLogOff)
        if (!SwitchLogging(event)) return false;
    // The reset check and the state logging look at the last test's
    // result, before this tick starts the next test.
    if (CheckForReset(now) != kNoReset && !RunInternetReset())
        LogInternetRecord(L"Internet Reset Failed", nullptr);
    CollectResetOutcome();
    LogStateChange();
    if (IsTestDue(now, QuerySystemConnection().flags)) StartInternetTest();
    switch (event) {
    case kTickLogError:
        LogInternetRecord(PendingError().title[0] != L'\0' ? PendingError().title : L"Error",
                          PendingError().message);
        break;
    case kTickLogPendingError:
        LogPendingErrorOnce();
        break;
    case kTickLogInfo:
        LogInternetRecord(L"Info", nullptr);
        break;
    case kTickLogReset:
        LogInternetRecord(L"Internet Reset", nullptr);
        break;
    case kTickLogResetFailed:
        LogInternetRecord(L"Internet Reset Failed", nullptr);
        break;
    default:
        break;
    }
    return true;
}

void EndInternetTest(uint64_t now) {
    if (IsTestDue(now, QuerySystemConnection().flags)) StartInternetTest();
    LogStateChange();
    CloseInternetSession();
}

const wchar_t* LanStatusText(uint32_t state) {
    if ((state & (kLanUp | kLanUnknown)) == kLanUnknown) return L"?";
    return (state & kLanUp) ? L"Up" : L"Down";
}

void InternetStatusText(uint32_t state, int answered, wchar_t* text, int capacity) {
    if (state & kInternetUp)
        FormatText(text, capacity, L"Up (%d)", answered);
    else
        CopyText(text, capacity,
                 (state & kInternetTesting)     ? L"Test"
                 : (state & kInternetNotTested) ? L"?"
                                                : L"Down");
}

void FormatInternetStatusLine(uint32_t state, int answered, InternetStatusLine* line) {
    const wchar_t* lan = LanStatusText(state);
    if ((state & (kLanUp | kInternetUp | kInternetTesting | kInternetNotTested)) == 0) {
        FormatText(line->lanPart, kInternetStatusLength, L"LAN & Internet: %ls", lan);
        line->internetPart[0] = L'\0';
        line->lanGreen = false;
        line->internetGreen = false;
        return;
    }
    FormatText(line->lanPart, kInternetStatusLength, L"LAN: %ls, ", lan);
    wchar_t internet[kInternetStatusLength];
    InternetStatusText(state, answered, internet, kInternetStatusLength);
    FormatText(line->internetPart, kInternetStatusLength, L"Internet: %ls", internet);
    line->lanGreen = (state & (kLanUp | kLanUnknown)) != 0;
    line->internetGreen = (state & (kInternetUp | kInternetTesting | kInternetNotTested)) != 0;
}

bool LogInternetRecord(const wchar_t* type, const wchar_t* message) {
    const uint32_t state = ConnectionState();
    wchar_t internet[kInternetStatusLength];
    InternetStatusText(state, AnsweredCount(), internet, kInternetStatusLength);
    wchar_t typeField[kErrorTitleLength * 2 + 2];
    wchar_t internetField[kInternetStatusLength * 2 + 2];
    FormatCsvField(type, typeField, kErrorTitleLength * 2 + 2);
    FormatCsvField(internet, internetField, kInternetStatusLength * 2 + 2);
    if (message == nullptr)
        return WriteLogLine(L"%ls,%ls,%ls\n", typeField, LanStatusText(state), internetField);
    wchar_t messageField[kErrorMessageLength * 2 + 2];
    FormatCsvField(message, messageField, kErrorMessageLength * 2 + 2);
    return WriteLogLine(L"%ls,%ls,%ls,%ls\n", typeField, LanStatusText(state), internetField,
                        messageField);
}

bool LogPendingErrorOnce() {
    if (!HasPendingError()) {
        pendingErrorLogged = false;
        return false;
    }
    const ErrorState& error = PendingError();
    if (pendingErrorLogged && std::wcscmp(loggedPendingError, error.message) == 0) return false;
    LogInternetRecord(error.title[0] != L'\0' ? error.title : L"Error", error.message);
    // Taken after the write: a failed write appends its own text, which must
    // not count as a new message.
    CopyText(loggedPendingError, kErrorMessageLength, error.message);
    pendingErrorLogged = true;
    return true;
}
