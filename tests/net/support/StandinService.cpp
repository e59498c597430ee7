#include "tests/net/support/StandinService.h"

#include "tests/support/TestPaths.h"
#include "md5/Md5.h"
#include "platform/win32/WideText.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <cctype>

namespace nook::test {

std::string StandinHost() {
    static const std::string host = [] {
        std::string port = ReadAll(NOOK_STANDIN_PORT_FILE);
        while (!port.empty() && !std::isdigit(static_cast<unsigned char>(port.back())))
            port.pop_back();
        return port.empty() ? std::string() : "127.0.0.1:" + port;
    }();
    EXPECT_FALSE(host.empty()) << "no port in " << NOOK_STANDIN_PORT_FILE;
    return host;
}

std::string StandinUrl(std::string_view path) {
    return "http://" + StandinHost() + std::string(path);
}

std::string BackupAddress(std::string_view service, const std::string& user, const std::string& password,
                          std::string_view probe) {
    std::string secret = user + password;
    return StandinUrl("/app/backup/") + std::string(service) + ".asp?username=" + user +
           "&password=" + Md5DigestText(secret.data(), secret.size()) +
           "&lastblogid=0&lastcommentid=0&lasttwitterid=0&lastbackuptime=2001-01-01 00:00:00&probe=" +
           std::string(probe);
}

bool StandinGet(std::string_view path, std::string& body) {
    body.clear();
    HINTERNET internet = InternetOpenW(L"nook-tests", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!internet) return false;
    HINTERNET request = InternetOpenUrlW(internet, platform::ToWide(StandinUrl(path)).c_str(), nullptr, 0,
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

std::vector<JsonValue> LoggedRequests(std::string_view token) {
    std::string body;
    JsonValue log;
    EXPECT_TRUE(StandinGet("/admin/requests", body) && ParseJson(body, log)) << body.substr(0, 200);
    std::vector<JsonValue> found;
    for (const JsonValue& entry : log["requests"].items)
        if (entry["raw_target"].text.find(token) != std::string::npos) found.push_back(entry);
    return found;
}

std::string LoggedHeader(const JsonValue& entry, std::string_view name) {
    for (const JsonValue& pair : entry["headers"].items)
        if (pair.items.size() == 2 && _stricmp(pair.items[0].text.c_str(), std::string(name).c_str()) == 0)
            return pair.items[1].text;
    return std::string();
}

} // namespace nook::test
