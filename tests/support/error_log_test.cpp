// The error log beside the program: when a file appears, its header, the
// start and stop records, starting anew, an unwritable path, and columns
// that hold together whatever a message says.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "datetime/date_time_format.h"
#include "services/connection_probe.h"
#include "services/internet_platform.h"
#include "services/internet_test.h"
#include "support/error_log.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/test_files.h"

namespace {

// The fields of one CSV line, quotes undone.
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
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
    std::vector<std::string> LogLines() { return Lines(folder.ReadText(L"Zelmora_log.csv")); }
    // The records of the log: its lines less the date, time and day.
    std::vector<std::string> Records() {
        std::vector<std::string> records;
        for (const std::string& line : LogLines()) {
            std::vector<std::string> fields = CsvFields(line);
            std::string record;
            for (size_t i = 3; i < fields.size(); ++i)
                record += (i > 3 ? "|" : "") + fields[i];
            records.push_back(record);
        }
        return records;
    }
    ScratchFolder folder;
};

TEST_F(ErrorLogTest, ThePathIsBesideTheProgramWithoutItsExtension) {
    EXPECT_EQ(std::wstring(LogFilePath()), folder.Path(L"Zelmora_log.csv"));
    ASSERT_TRUE(SetLogProgramFile(L"C:\\Tools\\Sun.exe.bak"));
    EXPECT_STREQ(LogFilePath(), L"C:\\Tools\\Sun.exe.bak_log.csv");
}

TEST_F(ErrorLogTest, NothingIsWrittenWhileLoggingWasNeverOn) {
    EXPECT_TRUE(WriteLogLine(L"Info,%ls,%ls\n", L"Up", L"Up (1)"));
    EXPECT_TRUE(InternetTick(kTickLogInfo, 1000));
    EXPECT_FALSE(folder.Exists(L"Zelmora_log.csv"));
}

struct SwitchCase {
    const char* existing; // the log before; null for none
    int event;
    std::vector<std::string> records;
};

// Switching on writes the header only into a new or restarted file, then the
// start record; switching off writes the stop record.
TEST_F(ErrorLogTest, SwitchingOnAndOffWritesHeaderOnceAndTheRecords) {
    const std::string oldLine = "1/2/26,3:04:05,Friday,Info,Up,Up (2)\n";
    const std::string header = "Type|LAN|Internet|Message";
    const SwitchCase cases[] = {
        {nullptr, kTickLogOn, {header, "Start|Up|Up (0)"}},
        {oldLine.c_str(), kTickLogOn, {"Info|Up|Up (2)", "Start|Up|Up (0)"}},
        {oldLine.c_str(), kTickLogOnAndClear, {header, "Start|Up|Up (0)"}},
        {nullptr, kTickLogOnAndClear, {header, "Start|Up|Up (0)"}},
    };
    for (const SwitchCase& c : cases) {
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
    const size_t count = LogLines().size();
    ASSERT_TRUE(InternetTick(kTickLogInfo, 0));
    EXPECT_EQ(LogLines().size(), count);
}

// Every line but the header begins with the date, the time by the clock
// option and the day name.
TEST_F(ErrorLogTest, LinesBeginWithDateTimeAndDay) {
    struct {
        int format;
        const char* time;
    } formats[] = {{kDateTimeFormat24, "\\d{1,2}:\\d{2}:\\d{2}"},
                   {kDateTimeFormat12, "\\d{1,2}:\\d{2}:\\d{2} (AM|PM)"}};
    for (const auto& f : formats) {
        RemoveFileAt(LogFilePath());
        dateTimeFormat = f.format;
        logRequestedState = kLogOn;
        logCurrentState = kLogNotLogging;
        ASSERT_TRUE(WriteLogLine(L"Type\n"));
        ASSERT_TRUE(WriteLogLine(L"Info,Up,Down\n"));
        const std::vector<std::string> lines = LogLines();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0], "Date,Time,Day,Type");
        const std::regex pattern(std::string("\\d{1,2}/\\d{1,2}/\\d{2},") + f.time +
                                 ",(Mo|Tu|We|Th|Fr|Sa|Su),Info,Up,Down");
        EXPECT_TRUE(std::regex_match(lines[1], pattern)) << lines[1];
    }
}

// A message with commas, quotes and a line end stays in its one column.
TEST_F(ErrorLogTest, AMessageKeepsItsColumnWhateverItHolds) {
    const wchar_t* messages[] = {L"plain", L"a, b", L"say \"no\", then", L"two\nlines",
                                 L"caf\u00e9 \u2013 \u00fc"};
    const char* expected[] = {"plain", "a, b", "say \"no\", then", "two\nlines",
                              "caf\xc3\xa9 \xe2\x80\x93 \xc3\xbc"};
    logRequestedState = kLogOn;
    ASSERT_TRUE(WriteLogLine(L"Type,LAN,Internet,Message\n"));
    for (int i = 0; i < 5; ++i) {
        ReportErrorCategory(kErrorInternet, L"%ls", messages[i]);
        ASSERT_TRUE(InternetTick(kTickLogError, 0));
        TakePendingError();
    }
    // One record per message, read as CSV reads it (a quoted line end is
    // part of its field).
    std::string text = folder.ReadText(L"Zelmora_log.csv");
    std::vector<std::string> lines = Lines(text);
    for (size_t i = 1; i + 1 < lines.size(); ++i)
        if (lines[i].find("two") != std::string::npos) {
            lines[i] += "\n" + lines[i + 1];
            lines.erase(lines.begin() + static_cast<long>(i) + 1);
        }
    ASSERT_EQ(lines.size(), 6u) << text;
    for (int i = 0; i < 5; ++i) {
        const std::vector<std::string> fields = CsvFields(lines[i + 1]);
        ASSERT_EQ(fields.size(), 7u) << lines[i + 1];
        EXPECT_EQ(fields[3], "Internet Error");
        EXPECT_EQ(fields[6], expected[i]);
    }
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

struct LogCommandCase {
    const wchar_t* text;
    int before;
    int result;
    int after;
    const wchar_t* rest;
};

TEST_F(ErrorLogTest, LogCommands) {
    const LogCommandCase cases[] = {
        {L"EL", kLogOff, 3, kLogOn, L""},
        {L"elo", kLogOn, 3, kLogOff, L""},
        {L"ELR", kLogOff, 3, kLogOnAndClear, L""},
        {L"ELR;EL", kLogOff, 3, kLogOn, L""},
        {L"EL ; ELO // EL", kLogOff, 3, kLogOff, L""},
        {L"ELX", kLogOff, 3, kLogOff, L"X"},
        {L"ELOX", kLogOn, 3, kLogOn, L"X"},
        {L"SD", kLogOn, 0, kLogOn, L"SD"},
        {L"EL DT24", kLogOff, 3, kLogOn, L"DT24"},
    };
    for (const LogCommandCase& c : cases) {
        logRequestedState = c.before;
        const wchar_t* rest = nullptr;
        EXPECT_EQ(ParseLogCommand(c.text, &rest), c.result) << c.text;
        EXPECT_EQ(logRequestedState, c.after) << c.text;
        EXPECT_STREQ(rest, c.rest) << c.text;
    }
}

TEST_F(ErrorLogTest, TheSectionReadsBackWhatItWrote) {
    for (int state : {kLogOff, kLogOn, kLogOnAndClear}) {
        logRequestedState = state;
        FILE* file = OpenFileAt(folder.Path(L"section.ini").c_str(), "w");
        ASSERT_NE(file, nullptr);
        WriteLogSection(file);
        fclose(file);
        logRequestedState = state == kLogOff ? kLogOn : kLogOff;
        const std::vector<std::string> lines = Lines(folder.ReadText(L"section.ini"));
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], "[LOG_ERRORS]");
        const std::wstring command(lines[1].begin(), lines[1].end());
        logErrorsSectionActive = true;
        EXPECT_EQ(ReadLogSectionLine(command.c_str(), nullptr), kLogCommandDone);
        logErrorsSectionActive = false;
        EXPECT_EQ(logRequestedState, state == kLogOff ? kLogOff : kLogOn);
    }
}

} // namespace
