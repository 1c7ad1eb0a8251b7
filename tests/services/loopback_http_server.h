// Small web servers on 127.0.0.1 for the internet test's tests, each on a
// port of its own and a thread of its own, stopped when the object goes:
// one that answers, one that answers late, one that closes its connection
// in the middle of the answer, and a port where nothing listens (refused).
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <string>
#include <thread>

enum class ServerBehaviour { kAnswer, kAnswerLate, kCloseMidAnswer, kRefuse };

class LoopbackHttpServer {
  public:
    explicit LoopbackHttpServer(ServerBehaviour behaviour) : behaviour_(behaviour) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        int length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        if (behaviour_ == ServerBehaviour::kRefuse) {
            closesocket(listener_); // the port is free again: connections are refused
            listener_ = INVALID_SOCKET;
            return;
        }
        listen(listener_, 8);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LoopbackHttpServer() { Stop(); }
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // Stops listening: later connections are refused.
    void Stop() {
        stop_.store(true);
        if (thread_.joinable()) thread_.join();
        if (listener_ != INVALID_SOCKET) closesocket(listener_);
        listener_ = INVALID_SOCKET;
    }
    std::wstring Address() const {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + L"/test";
    }
    int Requests() const { return requests_.load(); }

  private:
    void Serve() {
        while (!stop_.load()) {
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(listener_, &ready);
            timeval wait{0, 20000};
            if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
            SOCKET client = accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) continue;
            Answer(client);
            closesocket(client);
        }
    }
    void Answer(SOCKET client) {
        char request[2048];
        recv(client, request, sizeof request, 0);
        requests_.fetch_add(1);
        const std::string body = "<html>up</html>";
        std::string answer = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                             std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
        switch (behaviour_) {
        case ServerBehaviour::kAnswerLate:
            for (int waited = 0; waited < 1500 && !stop_.load(); waited += 20)
                Sleep(20);
            break;
        case ServerBehaviour::kCloseMidAnswer:
            answer = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\npart";
            break;
        default:
            break;
        }
        send(client, answer.data(), static_cast<int>(answer.size()), 0);
    }

    ServerBehaviour behaviour_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
};
