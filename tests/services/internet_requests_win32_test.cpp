// The internet test against real web servers on 127.0.0.1: how many answer,
// the state and what it shows, and a test replaced while its requests are
// still out. The program's own test covers the log and the resets.
#include "services/loopback_http_server.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "services/connection_probe.h"
#include "services/internet_platform.h"
#include "services/internet_test.h"
#include "support/bounded_format.h"
#include "support/error_report.h"

namespace {

using B = ServerBehaviour;

template <typename Condition> bool WaitFor(Condition done) {
    for (int waited = 0; waited < 10000 && !done(); waited += 10)
        Sleep(10);
    return done();
}

class InternetRequestsTest : public ::testing::Test {
  protected:
    void TearDown() override {
        CloseInternetSession();
        TakePendingError();
    }
    // The defaults, and the test addresses from servers of these behaviours.
    void Begin(const std::vector<ServerBehaviour>& behaviours) {
        ASSERT_TRUE(QuerySystemConnection().connected) << "the system reports no connection";
        ApplyInternetDefaults();
        servers.clear();
        for (int i = 0; i < kInternetAddressCount; ++i) {
            if (i < static_cast<int>(behaviours.size()))
                servers.push_back(std::make_unique<LoopbackHttpServer>(behaviours[i]));
            CopyText(internetSettings.addresses[i], kInternetTextLength,
                     i < static_cast<int>(servers.size()) ? servers[i]->Address().c_str() : L"");
        }
    }
    std::vector<std::unique_ptr<LoopbackHttpServer>> servers;
};

// Three of five answer (one late, one closing in the middle of its answer);
// no addresses at all.
TEST_F(InternetRequestsTest, TheAddressesThatAnswerDecideTheState) {
    const struct {
        std::vector<ServerBehaviour> servers;
        const wchar_t* shown;
    } cases[] = {
        {{B::kAnswer, B::kAnswerLate, B::kRefuse, B::kCloseMidAnswer, B::kRefuse},
         L"Internet: Up (3)"},
        {{}, L"Internet: Down"},
    };
    for (const auto& c : cases) {
        Begin(c.servers);
        StartInternetTest();
        ASSERT_TRUE(WaitFor([] { return RequestsInFlight() == 0; }));
        InternetStatusLine line;
        FormatInternetStatusLine(ConnectionState(), AnsweredCount(), &line);
        EXPECT_STREQ(line.internetPart, c.shown);
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

} // namespace
