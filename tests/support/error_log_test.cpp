// The error log beside the program: when a file appears, its header, the
// start and stop records, starting anew, an unwritable path, and columns
// that hold together whatever a message says.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datetime/date_time_format.h"
#include "services/connection_probe.h"
#include "services/internet_platform.h"
#include "services/internet_test.h"
#include "settings/settings_file.h"
#include "support/error_log.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/test_files.h"

namespace {

// The rows of a CSV text, fields unquoted (a quoted line end is part of its
// field); of each row the fields from `first` on, joined by "|".
std::vector<std::string> CsvRows(const std::string& text, size_t first = 0) {
    std::vector<std::string> rows;
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
            if (!quoted && i + 1 < text.size() && text[i + 1] == '"') fields.back() += '"';
        } else if (quoted || (c != ',' && c != '\n')) {
            fields.back() += c;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            std::string row;
            for (size_t f = first; f < fields.size(); ++f)
                row += (f > first ? "|" : "") + fields[f];
            rows.push_back(row);
            fields.assign(1, "");
        }
    }
    return rows;
}

class ErrorLogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SetLogProgramFile(folder.Path(L"Zelmora.EXE").c_str()));
        logRequestedState = kLogOff;
        logCurrentState = kLogNotLogging;
        dateTimeFormat = kDateTimeFormat24;
        SetConnectionState(kStateLanUpInternetUp);
        TakePendingError();
        // No connection test is due in these ticks: the state stays as set.
        internetSchedule.testAtNextTick = false;
        internetSchedule.lastTest = 0;
        internetSchedule.lastConnectionFlags = QuerySystemConnection().flags;
        internetSchedule.lastLoggedState = kStateLanUpInternetUp;
    }
    void TearDown() override {
        logRequestedState = kLogOff;
        logCurrentState = kLogNotLogging;
        dateTimeFormat = kDateTimeFormat12;
        SetConnectionState(kStateNothingKnown);
        internetSchedule = InternetSchedule{true, 0, -1, false, 0, false, kStateNothingKnown};
        TakePendingError();
    }
    std::string Log() { return folder.ReadText(L"Zelmora_log.csv"); }
    // The records of the log: its rows less the date, time and day.
    std::vector<std::string> Records() { return CsvRows(Log(), 3); }
    ScratchFolder folder;
};

// Nothing is written while logging was never on. Switching on writes the
// header only into a new or restarted file, then the start record;
// switching off writes the stop record.
TEST_F(ErrorLogTest, SwitchingOnAndOffWritesHeaderOnceAndTheRecords) {
    EXPECT_TRUE(WriteLogLine(L"Info,%ls,%ls\n", L"Up", L"Up (1)"));
    EXPECT_TRUE(InternetTick(kTickLogInfo, 1000));
    EXPECT_FALSE(folder.Exists(L"Zelmora_log.csv"));
    const std::string oldLine = "1/2/26,3:04:05,Friday,Info,Up,Up (2)\n";
    const std::string header = "Type|LAN|Internet|Message";
    const struct {
        const char* existing; // the log before; null for none
        int event;
        std::vector<std::string> records;
    } cases[] = {
        {nullptr, kTickLogOn, {header, "Start|Up|Up (0)"}},
        {oldLine.c_str(), kTickLogOn, {"Info|Up|Up (2)", "Start|Up|Up (0)"}},
        {oldLine.c_str(), kTickLogOnAndClear, {header, "Start|Up|Up (0)"}},
    };
    for (const auto& c : cases) {
        RemoveFileAt(LogFilePath());
        if (c.existing != nullptr) folder.WriteText(L"Zelmora_log.csv", c.existing);
        logRequestedState = kLogOff;
        logCurrentState = kLogNotLogging;
        SetConnectionState(kStateLanUpInternetUp);
        ASSERT_TRUE(LogInternetRecord(L"Ignored", nullptr));
        ASSERT_TRUE(InternetTick(c.event, 0)) << c.event;
        EXPECT_EQ(Records(), c.records) << c.event;
        EXPECT_EQ(logRequestedState, kLogOn);
        EXPECT_EQ(logCurrentState, kLogLogging);
    }
    SetConnectionState(kStateLanUpInternetUp);
    ASSERT_TRUE(InternetTick(kTickLogOff, 0));
    EXPECT_EQ(Records().back(), "Stop|Up|Up (0)");
    EXPECT_EQ(logCurrentState, kLogNotLogging);
    // Off stays off: nothing more is written.
    const size_t count = Records().size();
    ASSERT_TRUE(InternetTick(kTickLogInfo, 0));
    EXPECT_EQ(Records().size(), count);
}

// A message with commas, quotes and a line end stays in its one column.
TEST_F(ErrorLogTest, AMessageKeepsItsColumnWhateverItHolds) {
    logRequestedState = kLogOn;
    ASSERT_TRUE(WriteLogLine(L"Type,LAN,Internet,Message\n"));
    std::vector<std::string> expected = {"Type|LAN|Internet|Message"};
    const struct {
        const wchar_t* message;
        const char* logged;
    } cases[] = {{L"a, b", "a, b"},
                 {L"say \"no\", then", "say \"no\", then"},
                 {L"two\nlines", "two\nlines"},
                 {L"caf\u00e9 \u2013", "caf\xc3\xa9 \xe2\x80\x93"}};
    for (const auto& c : cases) {
        ReportErrorCategory(kErrorInternet, L"%ls", c.message);
        ASSERT_TRUE(InternetTick(kTickLogError, 0));
        TakePendingError();
        expected.push_back(std::string("Internet Error|Up|Up (0)|") + c.logged);
    }
    EXPECT_EQ(Records(), expected) << Log();
}

// A pending error goes to the log once, however often the status bar shows it.
TEST_F(ErrorLogTest, APendingErrorIsLoggedOnce) {
    logRequestedState = kLogOn;
    ASSERT_TRUE(WriteLogLine(L"Type,LAN,Internet,Message\n"));
    ReportError(L"Failed Save File: %ls", L"x.csv");
    for (int redraw = 0; redraw < 3; ++redraw)
        InternetTick(kTickLogPendingError, 0);
    TakePendingError();
    InternetTick(kTickLogPendingError, 0);
    ReportError(L"Failed Save File: %ls", L"x.csv");
    InternetTick(kTickLogPendingError, 0);
    EXPECT_EQ(Records(), (std::vector<std::string>{"Type|LAN|Internet|Message",
                                                   "Error|Up|Up (0)|Failed Save File: x.csv",
                                                   "Error|Up|Up (0)|Failed Save File: x.csv"}));
}

// A log that cannot be opened adds its path to the message waiting to be
// shown; the states stay, so the next line tries again.
TEST_F(ErrorLogTest, AnUnwritableLogIsReportedBehindThePendingMessage) {
    std::filesystem::create_directory(folder.Path(L"Zelmora_log.csv"));
    ReportError(L"Failed Print");
    logRequestedState = kLogOn;
    EXPECT_FALSE(WriteLogLine(L"Info,Up,Down\n"));
    EXPECT_EQ(std::wstring(PendingError().message),
              L"Failed Print Failed Error Log File Open: " + folder.Path(L"Zelmora_log.csv"));
    EXPECT_EQ(logRequestedState, kLogOn);
    EXPECT_EQ(logCurrentState, kLogNotLogging);
    TakePendingError();
    EXPECT_FALSE(InternetTick(kTickLogOn, 0));
    EXPECT_EQ(PendingError().category, kErrorLogFile);
}

// Logging on is kept in the settings file; "on and clear" as plain on.
TEST_F(ErrorLogTest, TheSectionReadsBackWhatItWrote) {
    const std::wstring path = folder.Path(L"section.ini");
    for (int state : {kLogOff, kLogOn, kLogOnAndClear}) {
        logRequestedState = state;
        FILE* file = OpenFileAt(path.c_str(), "w");
        ASSERT_NE(file, nullptr);
        WriteLogSection(file);
        fclose(file);
        logRequestedState = state == kLogOff ? kLogOn : kLogOff;
        ReadSettingsFile(path.c_str());
        EXPECT_EQ(logRequestedState, state == kLogOff ? kLogOff : kLogOn) << state;
    }
}

} // namespace
