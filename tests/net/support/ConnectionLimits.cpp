#include "tests/net/support/ConnectionLimits.h"

#include <windows.h>
#include <wininet.h>

namespace nook::test {

namespace {

bool QueryLimit(DWORD option, unsigned long& limit) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!InternetQueryOptionW(nullptr, option, &value, &size)) return false;
    limit = value;
    return true;
}

} // namespace

bool QueryConnectionLimits(ConnectionLimits& limits) {
    return QueryLimit(INTERNET_OPTION_MAX_CONNS_PER_SERVER, limits.perServer) &&
           QueryLimit(INTERNET_OPTION_MAX_CONNS_PER_1_0_SERVER, limits.perServer1_0);
}

} // namespace nook::test
