#include "framework/Thread.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <vector>

namespace {

TEST(Thread, RunsTheBodyOnAnotherThreadAndJoinWaitsForItsEnd) {
    const DWORD caller = GetCurrentThreadId();
    std::atomic<DWORD> ranOn{0};
    std::atomic<bool> ended{false};
    nook::CThread thread;
    ASSERT_TRUE(thread.Start([&] {
        ranOn.store(GetCurrentThreadId());
        Sleep(200);
        ended.store(true);
    }));
    EXPECT_TRUE(thread.IsStarted());
    thread.Join();
    EXPECT_TRUE(ended.load());
    EXPECT_NE(ranOn.load(), 0u);
    EXPECT_NE(ranOn.load(), caller);
    EXPECT_FALSE(thread.IsStarted());
}

TEST(Thread, AThreadThatEndedByItselfStaysStartedUntilJoined) {
    std::atomic<bool> ended{false};
    nook::CThread thread;
    ASSERT_TRUE(thread.Start([&] { ended.store(true); }));
    while (!ended.load()) Sleep(1);
    Sleep(50);
    EXPECT_TRUE(thread.IsStarted());
    thread.Join();
    EXPECT_FALSE(thread.IsStarted());
    thread.Join(); // nothing left to join
    EXPECT_FALSE(thread.IsStarted());
}

TEST(Thread, GoingAwayJoinsTheThread) {
    std::atomic<bool> ended{false};
    {
        nook::CThread thread;
        ASSERT_TRUE(thread.Start([&] {
            Sleep(200);
            ended.store(true);
        }));
    }
    EXPECT_TRUE(ended.load());
}

TEST(Thread, StartingAgainJoinsTheThreadBefore) {
    std::vector<int> order; // each body runs alone, so no lock is needed
    nook::CThread thread;
    ASSERT_TRUE(thread.Start([&] {
        Sleep(200);
        order.push_back(1);
    }));
    ASSERT_TRUE(thread.Start([&] { order.push_back(2); }));
    thread.Join();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

} // namespace
