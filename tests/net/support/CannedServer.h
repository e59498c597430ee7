// A loopback HTTP server inside the test process for answers the stand-in service does
// not give a test alone: fixed bytes of the test's choosing, whole or in pieces with
// pauses between them. Every request gets the same answer, then the connection is closed;
// connections are served one at a time.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace nook::test {

// "HTTP/1.1 <statusLine>" with the Content-Type, a Content-Length of `length` (none when
// negative) and "Connection: close", up to the blank line.
std::string AnswerHead(std::string_view statusLine, std::string_view contentType, std::int64_t length);

class CCannedServer {
public:
    // Sends `pieces` in order, pausing `pauseMilliseconds` before each but the first.
    CCannedServer(std::vector<std::string> pieces, unsigned long pauseMilliseconds);
    ~CCannedServer();
    CCannedServer(const CCannedServer&) = delete;
    CCannedServer& operator=(const CCannedServer&) = delete;

    // "http://127.0.0.1:PORT" followed by `path`; fails the test when the server could
    // not listen.
    std::string Url(std::string_view path) const;

private:
    void Serve();
    void Answer(std::uintptr_t connection);
    // False when the server is going.
    bool Pause(unsigned long milliseconds) const;

    const std::vector<std::string> pieces_;
    const unsigned long pause_;
    bool winsockStarted_ = false;
    std::uintptr_t listener_; // owned socket, or INVALID_SOCKET
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace nook::test
