#include "framework/SocketsStartup.h"

#include <winsock2.h>

namespace nook {

namespace {
bool Start() {
    WSADATA data;
    return WSAStartup(MAKEWORD(1, 1), &data) == 0;
}
} // namespace

CSocketsStartup::CSocketsStartup() : ok_(Start()) {}

CSocketsStartup::~CSocketsStartup() {
    if (ok_) WSACleanup();
}

} // namespace nook
