// Paths written into settings and archive files.
#include "util/PathForm.h"

#include <gtest/gtest.h>

namespace {

using nook::StaysInsideFolder;

TEST(PathForm, OnlyPlainRelativePathsStayInsideTheirFolder) {
    EXPECT_TRUE(StaysInsideFolder("Images\\a.jpg"));
    EXPECT_TRUE(StaysInsideFolder("Images\\..a.jpg"));
    // 95 5C: a trail byte that is a backslash does not end a component.
    EXPECT_TRUE(StaysInsideFolder("Images\\\x95\x5C..\\a.jpg"));
    EXPECT_FALSE(StaysInsideFolder("..\\a.jpg"));
    EXPECT_FALSE(StaysInsideFolder("Images\\..\\..\\a.jpg"));
    EXPECT_FALSE(StaysInsideFolder("Images/../../a.jpg"));
    EXPECT_FALSE(StaysInsideFolder("C:\\a.jpg"));
    EXPECT_FALSE(StaysInsideFolder("C:a.jpg"));
    EXPECT_FALSE(StaysInsideFolder("\\a.jpg"));
    EXPECT_FALSE(StaysInsideFolder("\\\\server\\a.jpg"));
    EXPECT_FALSE(StaysInsideFolder(""));
}

TEST(PathForm, RelativePathsResolveBelowTheFolder) {
    const struct {
        const char* path;
        const char* resolved;
    } cases[] = {
        {"D:\\Family\\", "D:\\Family\\"},
        {"D:/Family/a.xml", "D:\\Family\\a.xml"},
        {"\\\\nas\\diary", "\\\\nas\\diary"},
        {"\\Family", "\\Family"},
        {"Backups\\x", "C:\\Program\\Backups\\x"},
        {"sub/x.xml", "C:\\Program\\sub\\x.xml"},
    };
    for (const auto& c : cases) EXPECT_EQ(nook::ResolvePath(c.path, "C:\\Program\\"), c.resolved) << c.path;
}

} // namespace
