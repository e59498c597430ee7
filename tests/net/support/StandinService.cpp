#include "tests/net/support/StandinService.h"

#include "md5/Md5.h"
#include "tests/support/StandinAccess.h"

#include <gtest/gtest.h>

#include <cstring>

namespace nook::test {

std::string StandinHost() {
    static const std::string host = StandinHostIn(NOOK_STANDIN_PORT_FILE);
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

bool StandinGet(std::string_view path, std::string& body) { return PlainGet(StandinUrl(path), body); }

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
