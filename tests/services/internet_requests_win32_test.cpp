// The internet test against real web servers on 127.0.0.1: how many answer,
// the state word and what it shows, the log lines, resets after the down
// time, and a test replaced while its requests are still out.
#include "services/loopback_http_server.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "services/connection_probe.h"
#include "services/internet_platform.h"
#include "services/internet_test.h"
#include "services/test_settings.h"
#include "support/bounded_format.h"
#include "support/error_log.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/test_files.h"
#include "ui/internet_button_image.h"

namespace {

using B = ServerBehaviour;

template <typename Condition> bool WaitFor(Condition done, int ms = 10000) {
    for (int waited = 0; waited < ms; waited += 10) {
        if (done()) return true;
        Sleep(10);
    }
    return done();
}

bool Settled() {
    return RequestsInFlight() == 0 && !ResetProgramRunning();
}

class InternetRequestsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QuerySystemConnection().connected) << "the system reports no connection";
        ASSERT_TRUE(SetLogProgramFile(folder.Path(L"Zelmora.exe").c_str()));
        for (wchar_t* text : {internetSettings.resetProgram, internetSettings.resetCommandLine,
                              internetSettings.resetKeystrokes})
            CopyText(text, kInternetTextLength, L"");
    }
    void TearDown() override {
        CloseInternetSession();
        logRequestedState = kLogOff;
        logCurrentState = kLogNotLogging;
        TakePendingError();
    }
    // The defaults (state 17: LAN up, no test yet), a new log, and the test
    // addresses from servers of these behaviours.
    void Begin(const std::vector<ServerBehaviour>& behaviours) {
        ApplyInternetDefaults();
        RemoveFileAt(LogFilePath());
        logRequestedState = kLogOff;
        logCurrentState = kLogNotLogging;
        TakePendingError();
        servers.clear();
        for (int i = 0; i < kInternetAddressCount; ++i) {
            if (i < static_cast<int>(behaviours.size()))
                servers.push_back(std::make_unique<LoopbackHttpServer>(behaviours[i]));
            CopyText(internetSettings.addresses[i], kInternetTextLength,
                     i < static_cast<int>(servers.size()) ? servers[i]->Address().c_str() : L"");
        }
    }
    // The log's records without date, time and day.
    std::vector<std::string> Records() {
        std::vector<std::string> records;
        const std::string text = folder.ReadText(L"Zelmora_log.csv");
        for (size_t start = 0, end; start < text.size(); start = end + 1) {
            end = std::min(text.find('\n', start), text.size());
            std::string line = text.substr(start, end - start);
            for (int column = 0; column < 3; ++column)
                line = line.substr(line.find(',') + 1);
            records.push_back(line);
        }
        return records;
    }
    ScratchFolder folder;
    std::vector<std::unique_ptr<LoopbackHttpServer>> servers;
};

TEST_F(InternetRequestsTest, TheAddressesThatAnswerDecideTheState) {
    // Three of five answer (one late, one closing in the middle of its
    // answer); no addresses at all.
    const struct {
        std::vector<ServerBehaviour> servers;
        const wchar_t* shown;
        int image;
        const char* logged;
    } cases[] = {
        {{B::kAnswer, B::kAnswerLate, B::kRefuse, B::kCloseMidAnswer, B::kRefuse},
         L"Internet: Up (3)",
         17,
         "Info,Up,Up (3)"},
        {{}, L"Internet: Down", 16, "Info,Up,Down"},
    };
    uint64_t now = 1000;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged);
        Begin(c.servers);
        ASSERT_TRUE(InternetTick(kTickLogOn, now));
        ASSERT_TRUE(WaitFor(Settled));
        InternetStatusLine line;
        FormatInternetStatusLine(ConnectionState(), AnsweredCount(), &line);
        EXPECT_STREQ(line.internetPart, c.shown);
        EXPECT_EQ(InternetButtonImage(ConnectionState()), c.image);
        ASSERT_TRUE(InternetTick(kTickPlain, now += 1000));
        EXPECT_EQ(Records(),
                  (std::vector<std::string>{"Type,LAN,Internet,Message", "Start,Up,?", c.logged}));
        now += 1000000;
    }
}

// A test replaced while its requests are still out never counts their
// answers into the new one.
TEST_F(InternetRequestsTest, AReplacedTestsAnswersDoNotCount) {
    Begin({B::kAnswerLate, B::kAnswerLate});
    StartInternetTest();
    ASSERT_TRUE(WaitFor([&] { return servers[0]->Requests() + servers[1]->Requests() == 2; }));
    LoopbackHttpServer refusing(B::kRefuse);
    CopyText(internetSettings.addresses[0], kInternetTextLength, refusing.Address().c_str());
    CopyText(internetSettings.addresses[1], kInternetTextLength, L"");
    StartInternetTest();
    ASSERT_TRUE(WaitFor([] { return RequestsInFlight() == 0; }));
    Sleep(1800); // the late answers of the first test arrive now
    EXPECT_EQ(ConnectionState(), kStateLanUpInternetDown);
    EXPECT_EQ(AnsweredCount(), 0);
}

// Down test on, internet down: a reset one down time after the first down
// tick and again after each further down time; none without a program and
// command line.
TEST_F(InternetRequestsTest, ResetsAfterEachDownTime) {
    std::filesystem::copy_file(ZELMORA_RESET_RECORDER, folder.Path(L"reset.exe"));
    const uint64_t down = TestScaledMilliseconds(kDefaultDownTimeMs);
    const std::wstring program = folder.Path(L"reset.exe");
    const struct {
        const wchar_t* program;
        const wchar_t* commandLine;
        int resets;
    } setups[] = {{L"", L"", 0}, {program.c_str(), L"quit-now", 2}};
    for (const auto& setup : setups) {
        Begin({B::kRefuse});
        CopyText(internetSettings.resetProgram, kInternetTextLength, setup.program);
        CopyText(internetSettings.resetCommandLine, kInternetTextLength, setup.commandLine);
        internetSettings.downTestEnabled = true;
        const uint64_t start = 5000000000ull + 1000;
        ASSERT_TRUE(InternetTick(kTickLogOn, start - 1000));
        ASSERT_TRUE(WaitFor(Settled));
        for (uint64_t at : {start, start + down - 1, start + down, start + 2 * down - 1,
                            start + 2 * down, start + 2 * down + 1}) {
            ASSERT_TRUE(InternetTick(kTickPlain, at));
            ASSERT_TRUE(WaitFor(Settled));
        }
        std::vector<std::string> expected = {"Type,LAN,Internet,Message", "Start,Up,?",
                                             "Info,Up,Down"};
        expected.insert(expected.end(), setup.resets, "Internet Reset,Up,Down");
        EXPECT_EQ(Records(), expected);
        int runs = 0;
        WaitFor(
            [&] {
                const std::string recorded = folder.ReadText(L"reset.exe.record");
                runs = 0;
                for (size_t at = recorded.find("command: "); at != std::string::npos;
                     at = recorded.find("command: ", at + 1))
                    ++runs;
                return runs >= setup.resets;
            },
            5000);
        EXPECT_EQ(runs, setup.resets);
        EXPECT_FALSE(HasPendingError()) << PendingError().message;
    }
}

} // namespace
