#include "tests/net/support/CannedServer.h"

// Winsock 2 before windows.h, which would bring the old winsock.h.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

namespace nook::test {

namespace {

constexpr long kPollMicroseconds = 50000;
constexpr unsigned long kRequestPatience = 5000;

// Whether `socket` has something to read (or a connection to accept) within the poll.
bool Readable(SOCKET socket) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket, &set);
    timeval wait{0, kPollMicroseconds};
    return select(0, &set, nullptr, nullptr, &wait) > 0;
}

// Closes an accepted connection however its answer ends.
class CConnection {
public:
    explicit CConnection(SOCKET socket) : socket_(socket) {}
    ~CConnection() {
        shutdown(socket_, SD_SEND);
        closesocket(socket_);
    }
    CConnection(const CConnection&) = delete;
    CConnection& operator=(const CConnection&) = delete;

private:
    SOCKET socket_;
};

} // namespace

std::string AnswerHead(std::string_view statusLine, std::string_view contentType, std::int64_t length) {
    std::string head =
        "HTTP/1.1 " + std::string(statusLine) + "\r\nContent-Type: " + std::string(contentType) + "\r\n";
    if (length >= 0) head += "Content-Length: " + std::to_string(length) + "\r\n";
    return head + "Connection: close\r\n\r\n";
}

CCannedServer::CCannedServer(std::vector<std::string> pieces, unsigned long pauseMilliseconds)
    : pieces_(std::move(pieces)), pause_(pauseMilliseconds), listener_(INVALID_SOCKET) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return;
    winsockStarted_ = true;
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener == INVALID_SOCKET) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof(address);
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(listener, 4) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        closesocket(listener);
        return;
    }
    listener_ = listener;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

CCannedServer::~CCannedServer() {
    stop_.store(true);
    if (thread_.joinable()) thread_.join();
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    if (winsockStarted_) WSACleanup();
}

std::string CCannedServer::Url(std::string_view path) const {
    EXPECT_NE(port_, 0) << "the canned server does not listen";
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

void CCannedServer::Serve() {
    while (!stop_.load()) {
        if (!Readable(listener_)) continue;
        SOCKET connection = accept(listener_, nullptr, nullptr);
        if (connection != INVALID_SOCKET) Answer(connection);
    }
}

void CCannedServer::Answer(std::uintptr_t socket) {
    CConnection closer(socket);
    // The request is read to its blank line, or the client might see a reset.
    std::string request;
    DWORD since = GetTickCount();
    while (request.find("\r\n\r\n") == std::string::npos) {
        if (stop_.load() || GetTickCount() - since > kRequestPatience) return;
        if (!Readable(socket)) continue;
        char buffer[1024];
        int got = recv(socket, buffer, sizeof(buffer), 0);
        if (got <= 0) return;
        request.append(buffer, static_cast<size_t>(got));
    }
    for (size_t i = 0; i < pieces_.size(); ++i) {
        if (i > 0 && !Pause(pause_)) return;
        const std::string& piece = pieces_[i];
        for (size_t sent = 0; sent < piece.size();) {
            int n = send(socket, piece.data() + sent, static_cast<int>(piece.size() - sent), 0);
            if (n <= 0) return;
            sent += static_cast<size_t>(n);
        }
    }
}

bool CCannedServer::Pause(unsigned long milliseconds) const {
    DWORD since = GetTickCount();
    while (GetTickCount() - since < milliseconds) {
        if (stop_.load()) return false;
        Sleep(10);
    }
    return true;
}

} // namespace nook::test
