#include "framework/ComPtr.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Counts the references handed back to it.
struct CountingInterface {
    unsigned long Release() { return static_cast<unsigned long>(++releases); }
    int releases = 0;
};

// Stands in for a call that hands out a new reference through an out-parameter.
void HandOut(CountingInterface** slot, CountingInterface* object) { *slot = object; }

TEST(ComPtr, ReleasesItsReferenceOnceWhenItGoes) {
    CountingInterface object;
    {
        nook::CComPtr<CountingInterface> pointer(&object);
        EXPECT_TRUE(pointer);
        EXPECT_EQ(pointer.Get(), &object);
        EXPECT_EQ(object.releases, 0);
    }
    EXPECT_EQ(object.releases, 1);
}

TEST(ComPtr, ReceiveReleasesWhatItHeldAndTakesTheOutParameter) {
    CountingInterface first, second;
    nook::CComPtr<CountingInterface> pointer(&first);
    HandOut(pointer.Receive(), &second);
    EXPECT_EQ(first.releases, 1);
    EXPECT_EQ(pointer.Get(), &second);
    // As QueryInterface takes it.
    void** slot = pointer.ReceiveVoid();
    EXPECT_EQ(second.releases, 1);
    EXPECT_FALSE(pointer);
    *slot = &first;
    EXPECT_EQ(pointer.Get(), &first);
}

TEST(ComPtr, MovingHandsTheReferenceOverWithoutReleasingIt) {
    CountingInterface first, second;
    nook::CComPtr<CountingInterface> from(&first);
    nook::CComPtr<CountingInterface> to(std::move(from));
    EXPECT_FALSE(from);
    EXPECT_EQ(to.Get(), &first);
    nook::CComPtr<CountingInterface> other(&second);
    other = std::move(to);
    EXPECT_EQ(second.releases, 1); // the reference it held before
    EXPECT_EQ(first.releases, 0);
    EXPECT_EQ(other.Get(), &first);
    other.Reset();
    EXPECT_EQ(first.releases, 1);
    EXPECT_FALSE(other);
}

} // namespace
