// The internet test's servers on 127.0.0.1, each on a port of its own: one
// that answers, one that answers late, one that closes its connection in the
// middle of the answer, and a port where nothing listens (refused).
#pragma once

#include "support/http_test_server.h"

enum class ServerBehaviour { kAnswer, kAnswerLate, kCloseMidAnswer, kRefuse };

class LoopbackHttpServer : public httptest::HttpTestServer {
  public:
    explicit LoopbackHttpServer(ServerBehaviour behaviour) {
        using httptest::Answer;
        if (behaviour == ServerBehaviour::kRefuse) Stop();
        Serve("/test", "<html>up</html>",
              behaviour == ServerBehaviour::kAnswerLate       ? Answer::kLate
              : behaviour == ServerBehaviour::kCloseMidAnswer ? Answer::kCutHalfWay
                                                              : Answer::kWhole);
    }
    std::wstring Address() const { return L"http://" + Site() + L"/test"; }
    int Requests() { return HttpTestServer::Requests("/test"); }
};
