#include "platform/Files.h"

#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

using nook::test::ReadAll;
using nook::test::ScratchDir;

TEST(Files, MakeDirectoryTellsCreatedFromExisting) {
    std::string dir = ScratchDir() + "sub";
    EXPECT_EQ(platform::MakeDirectory(dir), platform::MakeDirResult::Created);
    EXPECT_EQ(platform::MakeDirectory(dir), platform::MakeDirResult::AlreadyExists);
    EXPECT_EQ(platform::MakeDirectory(dir + "\\missing\\deeper"), platform::MakeDirResult::Failed);
    EXPECT_TRUE(platform::DirectoryExists(dir));
    EXPECT_FALSE(platform::FileExists(dir));
}

TEST(Files, ChineseFileNamesWork) {
    std::string path = ScratchDir() + "\xB1\xA6\xB1\xA6.xml"; // 宝宝.xml
    ASSERT_TRUE(platform::WriteFileAtomically(path, "<a/>"));
    EXPECT_TRUE(platform::FileExists(path));
    EXPECT_EQ(ReadAll(path), "<a/>");
}

TEST(Files, ReplaceFileWritesNewContentAndLeavesNoTemporaryFile) {
    std::string path = ScratchDir() + "config.xml";
    ASSERT_TRUE(platform::WriteFileAtomically(path, "old"));
    ASSERT_TRUE(platform::WriteFileAtomically(path, std::string("new\0bytes", 9)));
    EXPECT_EQ(ReadAll(path), std::string("new\0bytes", 9));
    EXPECT_FALSE(platform::FileExists(path + ".tmp~"));
}

TEST(Files, FailedReplaceLeavesOldFileIntactAndSaysWhy) {
    std::string path = ScratchDir() + "config.xml";
    ASSERT_TRUE(platform::WriteFileAtomically(path, "precious"));
    // The temporary file cannot be created where a folder of its name stands.
    ASSERT_EQ(platform::MakeDirectory(path + ".tmp~"), platform::MakeDirResult::Created);
    std::string error;
    EXPECT_FALSE(platform::WriteFileAtomically(path, "replacement", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadAll(path), "precious");
}

TEST(Files, DeferredWriteIsAtomicAndFlushable) {
    std::string dir = ScratchDir();
    ASSERT_TRUE(platform::WriteFileAtomically(dir + "page.html", "old"));
    ASSERT_TRUE(platform::WriteFileAtomically(dir + "page.html", "new", nullptr, platform::Durability::Deferred));
    EXPECT_EQ(ReadAll(dir + "page.html"), "new");
    EXPECT_FALSE(platform::FileExists(dir + "page.html.tmp~"));
    EXPECT_TRUE(platform::FlushDeferredWrites(dir));
}

TEST(Files, ReplaceFileInMissingFolderFails) {
    std::string error;
    EXPECT_FALSE(platform::WriteFileAtomically(ScratchDir() + "no\\such.xml", "x", &error));
    EXPECT_FALSE(error.empty());
}

TEST(Files, CopyFileRespectsOverwrite) {
    std::string dir = ScratchDir();
    ASSERT_TRUE(platform::WriteFileAtomically(dir + "a", "first"));
    ASSERT_TRUE(platform::WriteFileAtomically(dir + "b", "second"));
    EXPECT_FALSE(platform::CopyFileTo(dir + "a", dir + "b", false));
    EXPECT_EQ(ReadAll(dir + "b"), "second");
    EXPECT_TRUE(platform::CopyFileTo(dir + "a", dir + "b", true));
    EXPECT_EQ(ReadAll(dir + "b"), "first");
    EXPECT_FALSE(platform::CopyFileTo(dir + "missing", dir + "c", true));
}

TEST(Files, MoveReplacingPutsTheFileInPlaceOrLeavesBothAlone) {
    struct Case {
        const char* what;
        bool targetExists;
        bool targetIsFolder;
        bool sourceExists;
        bool moved;
    } cases[] = {
        {"new name", false, false, true, true},
        {"replaces an existing file", true, false, true, true},
        {"a folder in the way", false, true, true, false},
        {"no source", true, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string dir = ScratchDir();
        std::string from = dir + "photo.jpg.Tmp";
        std::string to = dir + "\xB1\xA6\xB1\xA6.jpg"; // 宝宝.jpg
        if (c.sourceExists) {
            ASSERT_TRUE(platform::WriteFileAtomically(from, "new photo"));
        }
        if (c.targetExists) {
            ASSERT_TRUE(platform::WriteFileAtomically(to, "old photo, longer"));
        }
        if (c.targetIsFolder) {
            ASSERT_EQ(platform::MakeDirectory(to), platform::MakeDirResult::Created);
        }
        EXPECT_EQ(platform::MoveFileReplacing(from, to), c.moved);
        if (c.moved) {
            EXPECT_EQ(ReadAll(to), "new photo");
            EXPECT_FALSE(platform::FileExists(from));
        } else {
            EXPECT_EQ(platform::FileExists(from), c.sourceExists);
            if (c.targetExists) {
                EXPECT_EQ(ReadAll(to), "old photo, longer");
            }
            EXPECT_EQ(platform::DirectoryExists(to), c.targetIsFolder);
        }
    }
}

TEST(Files, RemoveFile) {
    std::string path = ScratchDir() + "gone";
    ASSERT_TRUE(platform::WriteFileAtomically(path, "x"));
    EXPECT_TRUE(platform::RemoveFile(path));
    EXPECT_FALSE(platform::FileExists(path));
    EXPECT_FALSE(platform::RemoveFile(path));
}

} // namespace
