#include "tests/backup_app/support/Standin.h"

#include "tests/support/TestPaths.h"
#include "platform/win32/WideText.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <cctype>
#include <cstdlib>

namespace nook::test {

namespace {

// Tests that change the service's photo answers for every caller have an instance of
// their own, named by the environment.
std::string PortFile() {
    const char* own = std::getenv("NOOK_STANDIN_PORT_FILE");
    return own && *own ? own : NOOK_BACKUP_APP_PORT_FILE;
}

} // namespace

std::string StandinHost() {
    static const std::string host = [] {
        std::string port = ReadAll(PortFile());
        while (!port.empty() && !std::isdigit(static_cast<unsigned char>(port.back()))) port.pop_back();
        return port.empty() ? std::string() : "127.0.0.1:" + port;
    }();
    EXPECT_FALSE(host.empty()) << "no port in " << PortFile();
    return host;
}

bool StandinAdmin(std::string_view pathAndQuery, std::string& body) {
    body.clear();
    HINTERNET internet = InternetOpenW(L"nook-tests", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!internet) return false;
    const std::string url = "http://" + StandinHost() + std::string(pathAndQuery);
    HINTERNET request = InternetOpenUrlW(internet, platform::ToWide(url).c_str(), nullptr, 0,
                                         INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
    bool ok = request != nullptr;
    char buffer[8192];
    DWORD got = 0;
    while (ok && (ok = InternetReadFile(request, buffer, sizeof(buffer), &got) != FALSE) && got > 0)
        body.append(buffer, got);
    if (request) InternetCloseHandle(request);
    InternetCloseHandle(internet);
    return ok;
}

} // namespace nook::test
