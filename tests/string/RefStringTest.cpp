#include "string/RefString.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using nook::CRefString;
using nook::ModuleStringAllocator;

struct Counts {
    long allocations = ModuleStringAllocator().Allocations();
    long releases = ModuleStringAllocator().Releases();
    long NewAllocations() const { return ModuleStringAllocator().Allocations() - allocations; }
    long NewReleases() const { return ModuleStringAllocator().Releases() - releases; }
};

TEST(RefString, CopiesShareOneBlockReleasedOnceByTheLastOwner) {
    Counts counts;
    {
        CRefString a("\xB1\xA6\xB1\xA6");
        CRefString b = a;
        CRefString c;
        c = b;
        EXPECT_EQ(a.c_str(), c.c_str());
        EXPECT_EQ(c.GetLength(), 4u);
        EXPECT_EQ(a.Allocator(), &ModuleStringAllocator());
        a = CRefString();
        b = CRefString("other");
        EXPECT_EQ(counts.NewReleases(), 0);
        EXPECT_EQ(c.view(), "\xB1\xA6\xB1\xA6");
    }
    EXPECT_EQ(counts.NewAllocations(), 2);
    EXPECT_EQ(counts.NewReleases(), 2);
}

TEST(RefString, EmptyTextAllocatesNothing) {
    Counts counts;
    CRefString empty;
    CRefString fromEmpty("");
    CRefString fromNull(static_cast<const char*>(nullptr));
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_STREQ(fromNull.c_str(), "");
    EXPECT_EQ(fromEmpty.Allocator(), nullptr);
    EXPECT_EQ(counts.NewAllocations(), 0);
}

TEST(RefString, MovedFromStringIsEmptyAndSelfAssignmentIsHarmless) {
    Counts counts;
    CRefString a("text");
    CRefString b(std::move(a));
    EXPECT_TRUE(a.IsEmpty()); // NOLINT(bugprone-use-after-move): moved-from state is defined
    const CRefString& same = b;
    b = same;
    EXPECT_EQ(b.str(), "text");
    b = CRefString();
    EXPECT_EQ(counts.NewReleases(), 1);
}

TEST(RefString, EmbeddedZeroBytesKeepTheirLength) {
    CRefString s(std::string_view("a\0b", 3));
    EXPECT_EQ(s.GetLength(), 3u);
    EXPECT_EQ(s.view(), std::string_view("a\0b", 3));
}

} // namespace
