// WinInet's limits of simultaneous connections to one server, as the process has them.
#pragma once

namespace nook::test {

struct ConnectionLimits {
    unsigned long perServer = 0;    // HTTP/1.1 servers
    unsigned long perServer1_0 = 0; // HTTP/1.0 servers
};

// False when WinInet does not tell them.
bool QueryConnectionLimits(ConnectionLimits& limits);

} // namespace nook::test
