// The network tests end their process without running module detach: Wine's WinInet can
// wait there for a connection attempt it still holds (an unreachable host), and the
// process would outlive a passed test. The results are all written by then.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
