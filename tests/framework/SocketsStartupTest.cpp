#include <winsock2.h>

#include "framework/SocketsStartup.h"

#include <gtest/gtest.h>

TEST(SocketsStartup, VersionOneOneIsAvailableForTheProgramsLife) {
    nook::CSocketsStartup startup;
    ASSERT_TRUE(startup.Ok());
    SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    EXPECT_NE(s, INVALID_SOCKET);
    if (s != INVALID_SOCKET) closesocket(s);
}
