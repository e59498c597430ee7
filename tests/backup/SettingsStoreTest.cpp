#include "app/settings/SettingsStore.h"

#include "tests/support/TestPaths.h"
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
    EXPECT_EQ(store.User().marks.lastBackupTime, "2001-01-01 00:00:00");
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

// The archive folder config.xml may name (UTF-8 on disk like the rest of the file).
TEST(SettingsStore, ArchiveRootIsTheConfiguredFolderElseTheProgramFolder) {
    struct Case {
        const char* name;
        const char* config; // config.xml in UTF-8; null: none
        const char* root;   // code page 936; "{program}" is the program folder
    } cases[] = {
        {"no config file", nullptr, "{program}"},
        {"no Archive element", "<Config><LastUser Name=\"a\"/></Config>", "{program}"},
        {"absolute folder", "<Config><Archive Path=\"D:\\Family\\\"/></Config>", "D:\\Family\\"},
        {"absolute folder without backslash", "<Config><Archive Path=\"D:\\Family\"/></Config>", "D:\\Family\\"},
        {"network folder", "<Config><Archive Path=\"\\\\nas\\diary\"/></Config>", "\\\\nas\\diary\\"},
        {"relative to the program", "<Config><Archive Path=\"Backups\"/></Config>", "{program}Backups\\"},
        {"slashes", "<Config><Archive Path=\"D:/Family/\"/></Config>", "D:\\Family\\"},
        // 家庭日记
        {"Chinese folder",
         "<Config><Archive Path=\"D:\\\xE5\xAE\xB6\xE5\xBA\xAD\xE6\x97\xA5\xE8\xAE\xB0\\\"/></Config>",
         "D:\\\xBC\xD2\xCD\xA5\xC8\xD5\xBC\xC7\\"},
        // 乗 is 81 5C: its trail byte is a backslash, which must not count as one.
        {"folder ending in a trail byte 5C", "<Config><Archive Path=\"D:\\\xE4\xB9\x97\"/></Config>",
         "D:\\\x81\x5C\\"},
        {"blank path", "<Config><Archive Path=\"  \"/></Config>", "{program}"},
        {"Archive outside Config", "<Other><Archive Path=\"D:\\Family\\\"/></Other>", "{program}"},
        {"not XML", "Archive Path=D:\\Family", "{program}"},
    };
    for (const Case& c : cases) {
        const std::string dir = ScratchDir();
        if (c.config) Write(dir + "config.xml", c.config);
        CSettingsStore store(dir);
        store.LoadSettings();
        std::string expected = c.root;
        if (expected.compare(0, 9, "{program}") == 0) expected.replace(0, 9, dir);
        EXPECT_EQ(store.ArchiveRoot(), expected) << c.name;
    }
}

// The credentials and marks SaveSettings writes in the tests below.
void SetKnownMarks(nook::UserSettings& user) {
    user.passwordDigest = "0123456789abcdef0123456789abcdef";
    user.rememberMe = 1;
    user.marks.lastBlogId = 8;
    user.marks.lastCommentId = 103;
    user.marks.lastTwitterId = 40;
    user.marks.lastBackupTime = "2008-06-12 07:00:00";
}

TEST(SettingsStore, SavedFilesHaveTheirFixedLayoutAndReadBack) {
    std::string dir = ScratchDir();
    CSettingsStore store(dir);
    store.LoadSettings();
    store.Client().logLevel = 3;
    store.Client().logFolderPrefix = "log";
    store.User().userName = "\xb1\xa6\xb1\xa6"; // 宝宝
    SetKnownMarks(store.User());
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
    EXPECT_EQ(again.User().marks.lastCommentId, 103);
    EXPECT_EQ(again.User().marks.lastBackupTime, "2008-06-12 07:00:00");
}

// The values SaveSettings writes in the tests below, and the files it writes for them
// when there is nothing to keep.
void SetKnownValues(CSettingsStore& store) {
    store.Client().serviceHost = "backup.example:8080";
    store.Client().logLevel = 2;
    store.Client().logFolderPrefix = "logs\\";
    store.User().userName = "mimi";
    SetKnownMarks(store.User());
}

const char kFreshConfig[] =
    "<Config>\r\n<LastUser Name=\"mimi\"/>\r\n<Domain Url=\"backup.example:8080\"/>\r\n"
    "<Debug Level=\"2\" Path=\"logs\\\"/>\r\n</Config>\r\n";
const char kFreshUserFile[] =
    "<UserConfig>\r\n<User Username=\"mimi\" Password=\"0123456789abcdef0123456789abcdef\" "
    "RememberMe=\"1\"/>\r\n<Backup LastBlogID=\"8\" LastCommentID=\"103\" "
    "LastTwitterID=\"40\" LastBackupTime=\"2008-06-12 07:00:00\"/>\r\n</UserConfig>\r\n";

// What other versions put in the files (elements, attributes, comments, Chinese text)
// stays where it stands; only the known attributes change, and a known element that is
// missing is appended under the root. Files are UTF-8 on disk unless declared otherwise.
TEST(SettingsStore, SaveKeepsWhatItDoesNotKnowInPlace) {
    struct Case {
        const char* what;
        const char* file; // the file written before the save; the other one is absent
        const char* before;
        const char* after;
    } cases[] =
        {
            {"config.xml: unknown elements and attributes everywhere", "config.xml",
             "<Config Version=\"3\">\r\n"
             "<!-- written by a later version -->\r\n"
             "<LastUser Name=\"old\" Remember=\"yes\"/>\r\n"
             "<Window Left=\"10\" Top=\"20\" "
             "Title=\"\xe5\xb0\x8f\xe9\x9b\xa8\xe7\x9a\x84\xe6\x97\xa5\xe8\xae\xb0\"/>\r\n" // 小雨的日记
             "<Domain Proxy=\"proxy:3128\" Url=\"old.example\"/>\r\n"
             "<Download Timeout=\"90\"/>\r\n"
             "<Debug Path=\"old\\\" Level=\"1\" Colour=\"\xe7\xba\xa2\" Note=\"&lt;a &amp; b&gt;\"/>\r\n" // 红
             "<Plugins>\r\n<Plugin Name=\"\xe5\xa4\xa9\xe6\xb0\x94\" Enabled=\"1\"/>\r\n</Plugins>\r\n" // 天气
             "</Config>\r\n",
             "<Config Version=\"3\">\r\n"
             "<!-- written by a later version -->\r\n"
             "<LastUser Name=\"mimi\" Remember=\"yes\"/>\r\n"
             "<Window Left=\"10\" Top=\"20\" "
             "Title=\"\xe5\xb0\x8f\xe9\x9b\xa8\xe7\x9a\x84\xe6\x97\xa5\xe8\xae\xb0\"/>\r\n"
             "<Domain Proxy=\"proxy:3128\" Url=\"backup.example:8080\"/>\r\n"
             "<Download Timeout=\"90\"/>\r\n"
             "<Debug Path=\"logs\\\" Level=\"2\" Colour=\"\xe7\xba\xa2\" Note=\"&lt;a &amp; b&gt;\"/>\r\n"
             "<Plugins>\r\n<Plugin Name=\"\xe5\xa4\xa9\xe6\xb0\x94\" Enabled=\"1\"/>\r\n</Plugins>\r\n"
             "</Config>\r\n"},
            {"config.xml: missing known elements appended in their order", "config.xml",
             "<Config>\r\n<Domain Url=\"old\"/>\r\n<Theme "
             "Name=\"\xe7\xb2\x89\xe8\x89\xb2\"/>\r\n</Config>\r\n", // 粉色
             "<Config>\r\n<Domain Url=\"backup.example:8080\"/>\r\n<Theme "
             "Name=\"\xe7\xb2\x89\xe8\x89\xb2\"/>\r\n"
             "<LastUser Name=\"mimi\"/>\r\n<Debug Level=\"2\" Path=\"logs\\\"/>\r\n</Config>\r\n"},
            {"config.xml: an empty root with an attribute", "config.xml",
             "<Config Theme=\"\xe7\xb2\x89\xe8\x89\xb2\"/>\r\n",
             "<Config Theme=\"\xe7\xb2\x89\xe8\x89\xb2\">\r\n<LastUser Name=\"mimi\"/>\r\n"
             "<Domain Url=\"backup.example:8080\"/>\r\n<Debug Level=\"2\" "
             "Path=\"logs\\\"/>\r\n</Config>\r\n"},
            {"config.xml: only the first of a repeated element is the setting", "config.xml",
             "<Config><LastUser Name=\"a\"/><LastUser Name=\"b\"/><Domain Url=\"x\"/><Debug Level=\"0\" "
             "Path=\"\"/>"
             "</Config>",
             "<Config><LastUser Name=\"mimi\"/><LastUser Name=\"b\"/><Domain Url=\"backup.example:8080\"/>"
             "<Debug Level=\"2\" Path=\"logs\\\"/></Config>"},
            {"config.xml declared GB2312: code page 936 bytes stay", "config.xml",
             "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<Config>\r\n<LastUser Name=\"old\"/>\r\n"
             "<Window Title=\"\xd0\xa1\xd3\xea\xb5\xc4\xc8\xd5\xbc\xc7\"/>\r\n</Config>\r\n",
             "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<Config>\r\n<LastUser Name=\"mimi\"/>\r\n"
             "<Window Title=\"\xd0\xa1\xd3\xea\xb5\xc4\xc8\xd5\xbc\xc7\"/>\r\n<Domain "
             "Url=\"backup.example:8080\"/>\r\n"
             "<Debug Level=\"2\" Path=\"logs\\\"/>\r\n</Config>\r\n"},
            {"user file: unknown elements and attributes everywhere", "mimi.xml",
             "<UserConfig Version=\"2\">\r\n"
             "<User Username=\"mimi\" Nickname=\"\xe5\x92\xaa\xe5\x92\xaa\" Password=\"old\" "
             "RememberMe=\"0\"/>\r\n" // 咪咪
             "<Sync Cloud=\"off\"/>\r\n"
             "<Backup LastBlogID=\"1\" Photos=\"all\" LastCommentID=\"2\" LastTwitterID=\"3\" "
             "LastBackupTime=\"2001-01-01 00:00:00\"/>\r\n"
             "</UserConfig>\r\n",
             "<UserConfig Version=\"2\">\r\n"
             "<User Username=\"mimi\" Nickname=\"\xe5\x92\xaa\xe5\x92\xaa\" "
             "Password=\"0123456789abcdef0123456789abcdef\" RememberMe=\"1\"/>\r\n"
             "<Sync Cloud=\"off\"/>\r\n"
             "<Backup LastBlogID=\"8\" Photos=\"all\" LastCommentID=\"103\" LastTwitterID=\"40\" "
             "LastBackupTime=\"2008-06-12 07:00:00\"/>\r\n"
             "</UserConfig>\r\n"},
            {"user file: missing attributes and element added", "mimi.xml",
             "<UserConfig>\r\n<User Nickname=\"\xe5\x92\xaa\xe5\x92\xaa\"/>\r\n</UserConfig>\r\n",
             "<UserConfig>\r\n<User Nickname=\"\xe5\x92\xaa\xe5\x92\xaa\" Username=\"mimi\" "
             "Password=\"0123456789abcdef0123456789abcdef\" RememberMe=\"1\"/>\r\n"
             "<Backup LastBlogID=\"8\" LastCommentID=\"103\" LastTwitterID=\"40\" "
             "LastBackupTime=\"2008-06-12 07:00:00\"/>\r\n</UserConfig>\r\n"},
        };
    for (const Case& c : cases) {
        std::string dir = ScratchDir();
        Write(dir + c.file, c.before);
        CSettingsStore store(dir);
        SetKnownValues(store);
        ASSERT_TRUE(store.SaveSettings()) << c.what;
        const bool config = std::string(c.file) == "config.xml";
        EXPECT_EQ(ReadAll(dir + c.file), c.after) << c.what;
        EXPECT_EQ(ReadAll(dir + (config ? "mimi.xml" : "config.xml")), config ? kFreshUserFile : kFreshConfig)
            << c.what;
        ASSERT_TRUE(store.SaveSettings()) << c.what; // a second save changes nothing
        EXPECT_EQ(ReadAll(dir + c.file), c.after) << c.what;
    }
}

TEST(SettingsStore, KeptSettingsReadBackAfterASave) {
    std::string dir = ScratchDir();
    Write(dir + "config.xml",
          "<Config><Download Timeout=\"90\" Connections=\"6\" Retries=\"3\"/><Proxy Host=\"p:8080\"/>"
          "<LastUser Name=\"mimi\"/></Config>");
    Write(dir + "mimi.xml", "<UserConfig><User Username=\"mimi\" RememberMe=\"1\"/></UserConfig>");
    CSettingsStore store(dir);
    store.LoadSettings();
    EXPECT_EQ(store.Client().downloadTimeoutSeconds, 90);
    EXPECT_EQ(store.Client().downloadConnections, 6);
    store.Client().downloadTimeoutSeconds = 5; // never written
    store.Client().downloadConnections = 2;    // never written
    store.User().marks.lastBlogId = 12;
    ASSERT_TRUE(store.SaveSettings());
    EXPECT_EQ(ReadAll(dir + "config.xml"),
              "<Config><Download Timeout=\"90\" Connections=\"6\" Retries=\"3\"/><Proxy Host=\"p:8080\"/>"
              "<LastUser Name=\"mimi\"/>"
              "<Domain Url=\"www.nookdiary.com\"/>\r\n<Debug Level=\"0\" Path=\"\"/>\r\n</Config>");

    CSettingsStore again(dir);
    again.LoadSettings();
    EXPECT_EQ(again.Client().downloadTimeoutSeconds, 90);
    EXPECT_EQ(again.Client().downloadConnections, 6);
    EXPECT_EQ(again.User().userName, "mimi");
    EXPECT_EQ(again.User().rememberMe, 1);
    EXPECT_EQ(again.User().marks.lastBlogId, 12);
}

// A file that cannot be kept is replaced by the same file a first save writes.
TEST(SettingsStore, UnusableFilesAreWrittenAfresh) {
    struct Case {
        const char* what;
        const char* config; // nullptr: no file
        const char* userFile;
    } cases[] = {
        {"no files", nullptr, nullptr},
        {"empty files", "", ""},
        {"foreign roots", "<Settings><Domain Url=\"x\"/><Extra/></Settings>",
         "<Config><User Username=\"mimi\"/><Extra/></Config>"},
        {"not well-formed", "<Config><Domain Url=\"x\"><Extra/></Config>",
         "<UserConfig><User Username=\"mimi\"><Extra/></UserConfig"},
        {"two roots", "<Config><Extra/></Config><Config/>", "<UserConfig/><Extra/>"},
        {"no element at all", "<!-- nothing -->", "   \r\n"},
    };
    for (const Case& c : cases) {
        std::string dir = ScratchDir();
        if (c.config) Write(dir + "config.xml", c.config);
        if (c.userFile) Write(dir + "mimi.xml", c.userFile);
        CSettingsStore store(dir);
        SetKnownValues(store);
        ASSERT_TRUE(store.SaveSettings()) << c.what;
        EXPECT_EQ(ReadAll(dir + "config.xml"), kFreshConfig) << c.what;
        EXPECT_EQ(ReadAll(dir + "mimi.xml"), kFreshUserFile) << c.what;
    }
}

TEST(SettingsStore, DownloadSettingsOutsideTheirRangesAreTheDefaults) {
    struct Case {
        const char* what;
        const char* config; // nullptr: no file
        int seconds;
        int connections;
    } cases[] = {
        {"no config.xml", nullptr, 30, 4},
        {"no Download", "<Config><Domain Url=\"x\"/></Config>", 30, 4},
        {"no Timeout", "<Config><Download Retries=\"3\"/></Config>", 30, 4},
        {"good", "<Config><Download Timeout=\"45\"/></Config>", 45, 4},
        {"lowest", "<Config><Download Timeout=\"1\"/></Config>", 1, 4},
        {"highest", "<Config><Download Timeout=\"3600\"/></Config>", 3600, 4},
        {"leading blank, trailing text", "<Config><Download Timeout=\" 120s\"/></Config>", 120, 4},
        {"zero", "<Config><Download Timeout=\"0\"/></Config>", 30, 4},
        {"negative", "<Config><Download Timeout=\"-5\"/></Config>", 30, 4},
        {"too large", "<Config><Download Timeout=\"3601\"/></Config>", 30, 4},
        {"beyond 32 bits", "<Config><Download Timeout=\"99999999999\"/></Config>", 30, 4},
        {"not a number", "<Config><Download Timeout=\"abc\"/></Config>", 30, 4},
        {"empty", "<Config><Download Timeout=\"\"/></Config>", 30, 4},
        {"foreign root", "<Settings><Download Timeout=\"45\" Connections=\"2\"/></Settings>", 30, 4},
        {"both good", "<Config><Download Connections=\"6\" Timeout=\"45\"/></Config>", 45, 6},
        {"fewest connections", "<Config><Download Connections=\"1\"/></Config>", 30, 1},
        {"most connections", "<Config><Download Connections=\"8\"/></Config>", 30, 8},
        {"connections, trailing text", "<Config><Download Connections=\" 3 at once\"/></Config>", 30, 3},
        {"no connections", "<Config><Download Connections=\"0\"/></Config>", 30, 4},
        {"negative connections", "<Config><Download Connections=\"-2\"/></Config>", 30, 4},
        {"too many connections", "<Config><Download Connections=\"9\"/></Config>", 30, 4},
        {"connections beyond 32 bits", "<Config><Download Connections=\"4294967300\"/></Config>", 30, 4},
        {"connections not a number", "<Config><Download Connections=\"four\"/></Config>", 30, 4},
        {"one bad, one good", "<Config><Download Connections=\"x\" Timeout=\"60\"/></Config>", 60, 4},
    };
    for (const Case& c : cases) {
        std::string dir = ScratchDir();
        if (c.config) Write(dir + "config.xml", c.config);
        CSettingsStore store(dir);
        store.Client().downloadTimeoutSeconds = 7; // stale values must not survive a load
        store.Client().downloadConnections = 7;
        store.LoadSettings();
        EXPECT_EQ(store.Client().downloadTimeoutSeconds, c.seconds) << c.what;
        EXPECT_EQ(store.Client().downloadConnections, c.connections) << c.what;
    }
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
        store.User().marks.lastBlogId = 99; // a previous user's marks must not carry over
        ASSERT_TRUE(store.LoadUserSettings("mimi")) << c.what;
        EXPECT_EQ(store.User().userName, c.userName) << c.what;
        EXPECT_EQ(store.User().marks.lastBlogId, c.blogId) << c.what;
        EXPECT_EQ(store.User().marks.lastBackupTime, c.time) << c.what;
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
        store.User().marks.lastBlogId = 5;
        EXPECT_FALSE(store.SaveSettings()) << name;
        EXPECT_FALSE(platform::FileExists(dir + "config.xml")) << name;
        EXPECT_FALSE(platform::FileExists(base + "x.xml")) << name;
        EXPECT_FALSE(platform::FileExists(base + "..\\x.xml")) << name;
        EXPECT_FALSE(platform::DirectoryExists(dir + "a")) << name;
        EXPECT_FALSE(store.LoadUserSettings(name)) << name;
        EXPECT_EQ(store.User().marks.lastBlogId, 5) << name;
    }
}

TEST(SettingsStore, FailedSaveLeavesTheOldFileWhole) {
    std::string dir = ScratchDir();
    CSettingsStore store(dir);
    store.User().userName = "mimi";
    store.User().marks.lastBlogId = 1;
    ASSERT_TRUE(store.SaveSettings());
    const std::string before = ReadAll(dir + "mimi.xml");
    // The replacement cannot be written (its temporary file is blocked by a folder).
    ASSERT_EQ(platform::MakeDirectory(dir + "mimi.xml.tmp~"), platform::MakeDirResult::Created);
    store.User().marks.lastBlogId = 2;
    EXPECT_FALSE(store.SaveSettings());
    EXPECT_EQ(ReadAll(dir + "mimi.xml"), before);
}

} // namespace
