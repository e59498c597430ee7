#include "tests/backup_app/support/Standin.h"

#include "tests/support/StandinAccess.h"

#include <gtest/gtest.h>

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
    static const std::string host = StandinHostIn(PortFile());
    EXPECT_FALSE(host.empty()) << "no port in " << PortFile();
    return host;
}

bool StandinAdmin(std::string_view pathAndQuery, std::string& body) {
    return PlainGet("http://" + StandinHost() + std::string(pathAndQuery), body);
}

} // namespace nook::test
