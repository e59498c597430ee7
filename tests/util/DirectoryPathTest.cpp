#include "util/DirectoryPath.h"
#include "util/ProgramDir.h"

#include "platform/Files.h"
#include "platform/Module.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

using nook::test::ScratchDir;

TEST(DirectoryPath, MakesEveryMissingLevel) {
    std::string base = ScratchDir();
    EXPECT_TRUE(nook::MakeDirectoryPath(base + "a\\b\\c"));
    EXPECT_TRUE(platform::DirectoryExists(base + "a\\b\\c"));
    // Existing levels count as success, with or without a trailing backslash.
    EXPECT_TRUE(nook::MakeDirectoryPath(base + "a\\b\\c"));
    EXPECT_TRUE(nook::MakeDirectoryPath(base + "a\\b\\"));
}

TEST(DirectoryPath, ChineseFolderNames) {
    std::string base = ScratchDir();
    std::string dir = base + "\xB1\xA6\xB1\xA6\\2008\\\xD5\x5C"; // trail byte "\" stays in the name
    EXPECT_TRUE(nook::MakeDirectoryPath(dir));
    EXPECT_TRUE(platform::DirectoryExists(dir));
}

TEST(DirectoryPath, StopsAtAFileInTheWay) {
    std::string base = ScratchDir();
    ASSERT_TRUE(platform::WriteFileAtomically(base + "file", "x"));
    EXPECT_FALSE(nook::MakeDirectoryPath(base + "file\\sub\\deeper"));
    EXPECT_FALSE(platform::DirectoryExists(base + "file\\sub"));
}

TEST(DirectoryPath, MakeFileDirectoryCreatesTheFolderOfAFile) {
    std::string base = ScratchDir();
    EXPECT_TRUE(nook::MakeFileDirectory(base + "2008\\03\\page.html"));
    EXPECT_TRUE(platform::DirectoryExists(base + "2008\\03"));
    EXPECT_FALSE(platform::FileExists(base + "2008\\03\\page.html"));
}

TEST(ProgramDir, IsTheProgramFolderWithTrailingBackslash) {
    std::string dir = nook::ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_EQ(platform::ProgramFilePath().rfind(dir, 0), 0u);
    EXPECT_TRUE(platform::DirectoryExists(dir));
}

} // namespace
