// A small HTTP server on 127.0.0.1 for the tests of the update check and the
// internet test: it serves the pages and files a test gives it, each whole,
// cut off half way, late, slowly, or never, and counts the requests. Started
// by its constructor on a free port; Stop() (or the destructor) closes the
// port, so that later connections are refused. Windows only (Winsock).
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httptest {

enum class Answer {
    kWhole,      // the whole body
    kCutHalfWay, // the headers promise the whole body; half of it comes, then the end
    kLate,       // the whole body after 1.5 s
    kNever,      // the request is read and never answered
    kSlowly,     // 1000 bytes every 100 ms
};

class HttpTestServer {
  public:
    HttpTestServer() {
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
        listen(listener_, 16);
        acceptor_ = std::thread([this] { AcceptLoop(); });
    }
    ~HttpTestServer() {
        Stop();
        WSACleanup();
    }
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    // Closes the port and ends every answer under way.
    void Stop() {
        if (stopping_.exchange(true)) return;
        closesocket(listener_);
        acceptor_.join();
        std::vector<std::thread> connections;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (SOCKET s : open_)
                shutdown(s, SD_BOTH);
            connections.swap(connections_);
        }
        for (std::thread& t : connections)
            t.join();
    }

    // "127.0.0.1:<port>", as UPDATESITE takes it.
    std::wstring Site() const { return L"127.0.0.1:" + std::to_wstring(port_); }

    void Serve(const std::string& path, const std::string& body, Answer answer = Answer::kWhole) {
        std::lock_guard<std::mutex> lock(mutex_);
        routes_[path] = {body, answer};
    }
    int Requests(const std::string& path) {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_[path];
    }

  private:
    struct Route {
        std::string body;
        Answer answer;
    };

    void AcceptLoop() {
        while (!stopping_) {
            SOCKET client = accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) continue;
            std::lock_guard<std::mutex> lock(mutex_);
            open_.push_back(client);
            connections_.emplace_back([this, client] { Respond(client); });
        }
    }

    void Respond(SOCKET client) {
        std::string request;
        char buffer[2048];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const int got = recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) break;
            request.append(buffer, got);
        }
        const size_t start = request.find(' ') + 1;
        const std::string path = request.substr(start, request.find(' ', start) - start);
        Route route{"<html><body>Not Found</body></html>", Answer::kWhole};
        bool found = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ++requests_[path];
            const auto it = routes_.find(path);
            if (it != routes_.end()) {
                route = it->second;
                found = true;
            }
        }
        if (route.answer == Answer::kNever) {
            while (!stopping_ && recv(client, buffer, sizeof buffer, 0) > 0) {
            }
        } else {
            for (int waited = 0; route.answer == Answer::kLate && waited < 1500 && !stopping_;
                 waited += 20)
                Sleep(20);
            const std::string head =
                std::string("HTTP/1.1 ") + (found ? "200 OK" : "404 Not Found") +
                "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                std::to_string(route.body.size()) + "\r\nConnection: close\r\n\r\n";
            bool sent = send(client, head.data(), static_cast<int>(head.size()), 0) > 0;
            const size_t end =
                route.answer == Answer::kCutHalfWay ? route.body.size() / 2 : route.body.size();
            const size_t step = route.answer == Answer::kSlowly ? 1000 : end + 1;
            for (size_t at = 0; sent && at < end && !stopping_; at += step) {
                const size_t count = std::min(step, end - at);
                sent = send(client, route.body.data() + at, static_cast<int>(count), 0) > 0;
                if (route.answer == Answer::kSlowly) Sleep(100);
            }
        }
        std::lock_guard<std::mutex> lock(mutex_);
        shutdown(client, SD_BOTH);
        closesocket(client);
        for (SOCKET& s : open_)
            if (s == client) s = INVALID_SOCKET;
    }

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptor_;
    std::mutex mutex_;
    std::vector<std::thread> connections_;
    std::vector<SOCKET> open_;
    std::map<std::string, Route> routes_;
    std::map<std::string, int> requests_;
};

} // namespace httptest
