#include "archive/ArchiveTree.h"

#include <gtest/gtest.h>

namespace {

using nook::ArchiveTreeItem;
using nook::BlogIndex;
using nook::TwitterIndex;

// The tree as one line: text(value:image/selected)[children...]
std::string Describe(const ArchiveTreeItem& item) {
    std::string text = item.text + "(" + std::to_string(item.value) + ":" + std::to_string(item.image) + "/" +
                       std::to_string(item.selectedImage) + ")";
    if (!item.children.empty()) {
        text += "[";
        for (const ArchiveTreeItem& child : item.children)
            text += Describe(child);
        text += "]";
    }
    return text;
}

const std::string kYear = "\xc4\xea";
const std::string kMonth = "\xd4\xc2";

std::string Y(int year) {
    return std::to_string(year) + kYear + "(" + std::to_string(year) + ":2/3)";
}
std::string M(int month) {
    return std::to_string(month) + kMonth + "(" + std::to_string(month) + ":2/3)";
}

TEST(RebuildArchiveTree, EmptyArchiveHasOnlyTheTwoRoots) {
    auto roots = nook::RebuildArchiveTree({}, {});
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_EQ(Describe(roots[0]), std::string(nook::kDiaryRootText) + "(0:0/1)");
    EXPECT_EQ(Describe(roots[1]), std::string(nook::kMiniDiaryRootText) + "(0:6/7)");
}

TEST(RebuildArchiveTree, DiariesByYearAndMonthOldestFirst) {
    BlogIndex blogs;
    blogs[1] = {1, "b", "2008-05-03 09:00:00", false};
    blogs[2] = {2, "a", "2007-05-01 09:00:00", false};
    blogs[3] = {3, "c", "2008-05-03 09:00:00", true}; // same time as 1: id order
    blogs[4] = {4, "d", "2008-01-09 09:00:00", false};
    blogs[5] = {5, "e", "2008-05-03", false}; // a prefix sorts first; without a blank it is undated
    auto roots = nook::RebuildArchiveTree(blogs, {});
    // Years come in the order the sorted times first reach them, the undated year 0 too.
    EXPECT_EQ(Describe(roots[0]), std::string(nook::kDiaryRootText) + "(0:0/1)[" +                         //
                                      Y(2007) + "[" + M(5) + "[a(2:4/5)]]" +                               //
                                      Y(2008) + "[" + M(1) + "[d(4:4/5)]" + M(5) + "[b(1:4/5)c(3:8/9)]]" + //
                                      Y(0) + "[" + M(0) + "[e(5:4/5)]]]");
}

TEST(RebuildArchiveTree, MiniDiaryMonthsInTheOrderIdsReachThem) {
    TwitterIndex posts;
    posts[1] = {1, "x", "2008-06-01 00:00:00"};
    posts[2] = {2, "y", "2008-05-01 00:00:00"};
    posts[3] = {3, "z", "2007-12-01 00:00:00"};
    posts[4] = {4, "w", "2008-06-30 00:00:00"};
    auto roots = nook::RebuildArchiveTree({}, posts);
    EXPECT_EQ(Describe(roots[1]), std::string(nook::kMiniDiaryRootText) + "(0:6/7)[" + Y(2008) + "[" + M(6) +
                                      M(5) + "]" + Y(2007) + "[" + M(12) + "]]");
}

} // namespace
