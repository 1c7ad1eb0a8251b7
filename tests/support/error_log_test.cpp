// The error log beside the program.
#include <gtest/gtest.h>

#include <sstream>
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
    // The lines of the log less the date, time and day in front of each record.
    std::vector<std::string> Records() {
        std::vector<std::string> records;
        std::istringstream log(Log());
        for (std::string line; std::getline(log, line);) {
            size_t at = 0;
            for (int field = 0; field < 3 && line.find(',', at) != std::string::npos; ++field)
                at = line.find(',', at) + 1;
            records.push_back(line.substr(at));
        }
        return records;
    }
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
    const std::string header = "Type,LAN,Internet,Message";
    const struct {
        const char* existing; // the log before; null for none
        int event;
        std::vector<std::string> records;
    } cases[] = {
        {nullptr, kTickLogOn, {header, "Start,Up,Up (0)"}},
        {oldLine.c_str(), kTickLogOn, {"Info,Up,Up (2)", "Start,Up,Up (0)"}},
        {oldLine.c_str(), kTickLogOnAndClear, {header, "Start,Up,Up (0)"}},
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
    EXPECT_EQ(Records().back(), "Stop,Up,Up (0)");
    EXPECT_EQ(logCurrentState, kLogNotLogging);
    // Off stays off: nothing more is written.
    const size_t count = Records().size();
    ASSERT_TRUE(InternetTick(kTickLogInfo, 0));
    EXPECT_EQ(Records().size(), count);
}

// A message with commas, quotes and a line end stays in its one column.
TEST_F(ErrorLogTest, AMessageKeepsItsColumnAndAPendingErrorIsLoggedOnce) {
    logRequestedState = kLogOn;
    ASSERT_TRUE(WriteLogLine(L"Type,LAN,Internet,Message\n"));
    for (const wchar_t* message :
         {L"a, b", L"say \"no\", then", L"two\nlines", L"caf\u00e9 \u2013"}) {
        ReportErrorCategory(kErrorInternet, L"%ls", message);
        ASSERT_TRUE(InternetTick(kTickLogError, 0));
        TakePendingError();
    }
    // A pending error goes to the log once, however often the status bar shows it.
    ReportError(L"Failed Save File: %ls", L"x.csv");
    for (int redraw = 0; redraw < 3; ++redraw)
        InternetTick(kTickLogPendingError, 0);
    TakePendingError();
    InternetTick(kTickLogPendingError, 0);
    ReportError(L"Failed Save File: %ls", L"x.csv"); // reported anew: logged anew
    InternetTick(kTickLogPendingError, 0);
    const std::string fields = "Internet Error,Up,Up (0),",
                      saved = "Error,Up,Up (0),Failed Save File: x.csv";
    EXPECT_EQ(Records(), (std::vector<std::string>{
                             "Type,LAN,Internet,Message", fields + "\"a, b\"",
                             fields + "\"say \"\"no\"\", then\"", fields + "\"two", "lines\"",
                             fields + "caf\xC3\xA9 \xE2\x80\x93", saved, saved}));
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
