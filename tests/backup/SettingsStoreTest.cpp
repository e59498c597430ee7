#include "app/SettingsStore.h"

#include "TestPaths.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace {

using nook::CSettingsStore;
using nook::test::ReadAll;
using nook::test::ScratchDir;

void Write(const std::string& path, const std::string& text) {
    ASSERT_TRUE(platform::WriteFileAtomically(path, text));
}

TEST(SettingsStore, NoFilesGiveTheDefaults) {
    CSettingsStore store(ScratchDir());
    store.LoadSettings();
    EXPECT_EQ(store.Client().serviceHost, nook::kDefaultServiceHost);
    EXPECT_EQ(store.Client().logLevel, 0);
    EXPECT_EQ(store.Client().logFolderPrefix, "");
    EXPECT_EQ(store.User().userName, "");
    EXPECT_EQ(store.User().lastBackupTime, "2001-01-01 00:00:00");
}

TEST(SettingsStore, ConfigChildrenAreFoundInAnyOrder) {
    struct Case {
        const char* what;
        const char* text;
        const char* host;
        int level;
        const char* prefix;
    } cases[] = {
        {"as saved",
         "<Config>\r\n<LastUser Name=\"mimi\"/>\r\n<Domain Url=\"backup.example:8080\"/>\r\n"
         "<Debug Level=\"2\" Path=\"logs\\\"/>\r\n</Config>\r\n",
         "backup.example:8080", 2, "logs\\"},
        {"reverse order",
         "<Config><Debug Level=\"2\" Path=\"logs\\\"/><Domain Url=\"backup.example:8080\"/>"
         "<LastUser Name=\"mimi\"/></Config>",
         "backup.example:8080", 2, "logs\\"},
        {"empty Url, no Debug", "<Config><Extra/><Domain Url=\"\"/><LastUser Name=\"mimi\"/></Config>",
         nook::kDefaultServiceHost, 0, ""},
        {"not a Config document", "<Settings><Domain Url=\"x\"/></Settings>", nook::kDefaultServiceHost, 0,
         ""},
        {"not well-formed", "<Config><Domain Url=\"x\"></Config>", nook::kDefaultServiceHost, 0, ""},
    };
    for (const Case& c : cases) {
        std::string dir = ScratchDir();
        Write(dir + "config.xml", c.text);
        CSettingsStore store(dir);
        store.Client().logLevel = 9; // stale values must not survive a load
        store.LoadSettings();
        EXPECT_EQ(store.Client().serviceHost, c.host) << c.what;
        EXPECT_EQ(store.Client().logLevel, c.level) << c.what;
        EXPECT_EQ(store.Client().logFolderPrefix, c.prefix) << c.what;
    }
}

TEST(SettingsStore, SavedFilesHaveTheirFixedLayoutAndReadBack) {
    std::string dir = ScratchDir();
    CSettingsStore store(dir);
    store.LoadSettings();
    store.Client().logLevel = 3;
    store.Client().logFolderPrefix = "log";
    nook::UserSettings& user = store.User();
    user.userName = "\xb1\xa6\xb1\xa6"; // 宝宝
    user.passwordDigest = "0123456789abcdef0123456789abcdef";
    user.rememberMe = 1;
    user.lastBlogId = 8;
    user.lastCommentId = 103;
    user.lastTwitterId = 40;
    user.lastBackupTime = "2008-06-12 07:00:00";
    ASSERT_TRUE(store.SaveSettings());

    EXPECT_EQ(
        ReadAll(dir + "config.xml"),
        "<Config>\r\n<LastUser Name=\"\xe5\xae\x9d\xe5\xae\x9d\"/>\r\n<Domain Url=\"www.nookdiary.com\"/>\r\n"
        "<Debug Level=\"3\" Path=\"log\"/>\r\n</Config>\r\n"); // UTF-8 on disk
    EXPECT_EQ(ReadAll(dir + "\xb1\xa6\xb1\xa6.xml"),
              "<UserConfig>\r\n<User Username=\"\xe5\xae\x9d\xe5\xae\x9d\" "
              "Password=\"0123456789abcdef0123456789abcdef\" RememberMe=\"1\"/>\r\n"
              "<Backup LastBlogID=\"8\" LastCommentID=\"103\" LastTwitterID=\"40\" "
              "LastBackupTime=\"2008-06-12 07:00:00\"/>\r\n</UserConfig>\r\n");

    CSettingsStore again(dir);
    again.LoadSettings();
    EXPECT_EQ(again.Client().logLevel, 3);
    EXPECT_EQ(again.User().userName, "\xb1\xa6\xb1\xa6");
    EXPECT_EQ(again.User().passwordDigest, "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(again.User().rememberMe, 1);
    EXPECT_EQ(again.User().lastCommentId, 103);
    EXPECT_EQ(again.User().lastBackupTime, "2008-06-12 07:00:00");
}

TEST(SettingsStore, UserFileGapsReadAsFirstBackupValues) {
    struct Case {
        const char* what;
        const char* text; // nullptr: no file
        const char* userName;
        int blogId;
        const char* time;
        int rememberMe;
    } cases[] = {
        {"no LastBackupTime",
         "<UserConfig><User Username=\"mimi\" RememberMe=\"1\"/><Backup LastBlogID=\"5\"/></UserConfig>",
         "mimi", 5, "2001-01-01 00:00:00", 1},
        {"no LastBlogID, Backup first",
         "<UserConfig><Backup LastBackupTime=\"2009-01-01 00:00:00\"/><User Username=\"mimi\"/></UserConfig>",
         "mimi", 0, "2009-01-01 00:00:00", 0},
        {"no file: name emptied, remember-me kept", nullptr, "", 0, "2001-01-01 00:00:00", 7},
        {"foreign root: first-backup values", "<Other><Backup LastBlogID=\"5\"/></Other>", "", 0,
         "2001-01-01 00:00:00", 7},
    };
    for (const Case& c : cases) {
        std::string dir = ScratchDir();
        if (c.text) Write(dir + "mimi.xml", c.text);
        CSettingsStore store(dir);
        store.User().rememberMe = 7;
        store.User().lastBlogId = 99; // a previous user's marks must not carry over
        ASSERT_TRUE(store.LoadUserSettings("mimi")) << c.what;
        EXPECT_EQ(store.User().userName, c.userName) << c.what;
        EXPECT_EQ(store.User().lastBlogId, c.blogId) << c.what;
        EXPECT_EQ(store.User().lastBackupTime, c.time) << c.what;
        EXPECT_EQ(store.User().rememberMe, c.rememberMe) << c.what;
    }
}

TEST(SettingsStore, EmptyUserNameLoadsNothing) {
    CSettingsStore store(ScratchDir());
    store.User().userName = "kept";
    EXPECT_FALSE(store.LoadUserSettings(""));
    EXPECT_EQ(store.User().userName, "kept");
}

// A user name is a file name in the program folder: one that would reach elsewhere is
// refused and nothing is written, inside the folder or out of it.
TEST(SettingsStore, HostileUserNamesWriteNothing) {
    const char* names[] = {"..\\..\\x", "..\\x",    "C:\\x", "a/b", "a:b", "CON", "nul.txt",
                           "Com1",      "lpt9.xml", "x.",    "x ",  "..",  "a|b", "a\tb"};
    for (const char* name : names) {
        std::string base = ScratchDir();
        std::string dir = base + "prog\\";
        ASSERT_EQ(platform::MakeDirectory(dir), platform::MakeDirResult::Created);
        CSettingsStore store(dir);
        store.User().userName = name;
        store.User().lastBlogId = 5;
        EXPECT_FALSE(store.SaveSettings()) << name;
        EXPECT_FALSE(platform::FileExists(dir + "config.xml")) << name;
        EXPECT_FALSE(platform::FileExists(base + "x.xml")) << name;
        EXPECT_FALSE(platform::FileExists(base + "..\\x.xml")) << name;
        EXPECT_FALSE(platform::DirectoryExists(dir + "a")) << name;
        EXPECT_FALSE(store.LoadUserSettings(name)) << name;
        EXPECT_EQ(store.User().lastBlogId, 5) << name;
    }
}

TEST(SettingsStore, FailedSaveLeavesTheOldFileWhole) {
    std::string dir = ScratchDir();
    CSettingsStore store(dir);
    store.User().userName = "mimi";
    store.User().lastBlogId = 1;
    ASSERT_TRUE(store.SaveSettings());
    const std::string before = ReadAll(dir + "mimi.xml");
    // The replacement cannot be written (its temporary file is blocked by a folder).
    ASSERT_EQ(platform::MakeDirectory(dir + "mimi.xml.tmp~"), platform::MakeDirResult::Created);
    store.User().lastBlogId = 2;
    EXPECT_FALSE(store.SaveSettings());
    EXPECT_EQ(ReadAll(dir + "mimi.xml"), before);
}

} // namespace
