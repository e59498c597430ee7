#include "archive/Archive.h"

#include "ArchiveTestSupport.h"
#include "TestPaths.h"
#include "app/SettingsStore.h"
#include "archive/ParseDate.h"
#include "platform/Files.h"
#include "util/DirectoryPath.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

namespace {

using nook::BlogListAnswer;
using nook::CArchive;
using nook::CSettingsStore;
using nook::test::BackupFixture;
using nook::test::ProgramFolderWithTemplates;
using nook::test::ReadAll;

const char kTitle7[] = "\xb1\xa6\xb1\xa6\xb5\xda\xd2\xbb\xb4\xce\xbd\xd0\xc2\xe8\xc2\xe8"; // 宝宝第一次叫妈妈
const char kPost30[] = "\xbd\xf1\xcc\xec\xba\xc3\xc8\xc8";                                 // 今天好热
const char kPost31[] = "\xb1\xa6\xb1\xa6\xbb\xe1\xc5\xc0\xc1\xcb";                         // 宝宝会爬了

BlogListAnswer RealisticAnswer() {
    return nook::ParseBlogListAnswer(BackupFixture("list_answer.xml"));
}

BlogListAnswer AnswerOf(std::vector<nook::BlogEntry> blogs, std::vector<nook::TwitterEntry> twitters = {}) {
    BlogListAnswer answer;
    answer.result = nook::kBackupSuccess;
    answer.blogs = std::move(blogs);
    answer.twitters = std::move(twitters);
    return answer;
}

nook::BlogEntry Blog(int32_t id, const std::string& title, const std::string& created) {
    nook::BlogEntry blog;
    blog.id = id;
    blog.title = title;
    blog.createTime = created;
    blog.content = "text of " + title;
    return blog;
}

nook::TwitterEntry Post(int32_t id, const std::string& content, const std::string& created) {
    nook::TwitterEntry post;
    post.id = id;
    post.content = content;
    post.createTime = created;
    return post;
}

// A program folder with templates, a user "mimi" with earlier marks, and the archive.
struct ArchiveSetup {
    std::string dir = ProgramFolderWithTemplates();
    CSettingsStore settings{dir};
    nook::test::RecordingLog log;
    CArchive archive{dir, settings, &log};

    ArchiveSetup() {
        nook::UserSettings& user = settings.User();
        user.userName = "mimi";
        user.lastBlogId = 6;
        user.lastCommentId = 100;
        user.lastTwitterId = 29;
        user.lastBackupTime = "2008-01-01 00:00:00";
        EXPECT_TRUE(settings.SaveSettings());
    }
    std::string UserPath(const std::string& rest) const { return dir + "mimi\\" + rest; }
    nook::UserSettings SavedUser() const {
        CSettingsStore reread(dir);
        reread.LoadUserSettings("mimi");
        return reread.User();
    }
};

TEST(StoreBackup, WritesPagesIndexesAndThenTheMarks) {
    ArchiveSetup setup;
    nook::StoreOutcome outcome = setup.archive.StoreBackup(RealisticAnswer());
    EXPECT_EQ(outcome.result, nook::kBackupSuccess);
    EXPECT_TRUE(outcome.downloadsPending);
    EXPECT_EQ(setup.archive.DownloadList().size(), 1u);

    for (const char* page : {"2008\\5\\7.html", "2008\\6\\9.html", "2007\\12\\8.html"})
        EXPECT_TRUE(platform::FileExists(setup.UserPath(page))) << page;
    EXPECT_FALSE(platform::FileExists(setup.UserPath("2008\\5\\500.html"))); // comment without its diary

    EXPECT_EQ(ReadAll(setup.UserPath("BlogList.xml")),
              nook::CXmlDocument::AnsiToUtf8(
                  std::string("<BlogList Count=\"3\">\r\n<Blog id=\"7\" title=\"") + kTitle7 +
                  "\" time=\"2008-05-03 09:07:02\" editorchoice=\"1\"/>\r\n"
                  "<Blog id=\"8\" title=\"Tom &amp; Jerry\" time=\"2007-12-31 23:59:59\" "
                  "editorchoice=\"0\"/>\r\n"
                  "<Blog id=\"9\" title=\"\xd3\xea\xcc\xec\" time=\"2008-06-10 18:00:00\" "
                  "editorchoice=\"0\"/>\r\n</BlogList>\r\n"));
    nook::CXmlDocument twitterList;
    ASSERT_TRUE(twitterList.LoadFile(setup.UserPath("TwitterList.xml")));
    ASSERT_TRUE(twitterList.FindElement("TwitterList"));
    EXPECT_EQ(twitterList.GetAttribute("Count"), "3");
    std::vector<std::string> ids;
    while (twitterList.FindChildElement("Twitter"))
        ids.push_back(twitterList.GetChildAttribute("id"));
    EXPECT_EQ(ids, (std::vector<std::string>{"30", "31", "40"}));

    // Two posts of May on one page, oldest id first; June on its own.
    EXPECT_EQ(ReadAll(setup.UserPath("2008\\5\\TwitterList.html")),
              std::string("month:<2008-05-02 09:00:00:") + kPost30 + "><2008-05-20 10:00:00:" + kPost31 +
                  ">\r\n");
    EXPECT_TRUE(platform::FileExists(setup.UserPath("2008\\6\\TwitterList.html")));

    // The last record of each list, not the largest id.
    nook::UserSettings saved = setup.SavedUser();
    EXPECT_EQ(saved.lastBlogId, 8);
    EXPECT_EQ(saved.lastCommentId, 102);
    EXPECT_EQ(saved.lastTwitterId, 40);
    EXPECT_NE(saved.lastBackupTime, "2008-01-01 00:00:00");
    int year = 0, month = 0, day = 0;
    EXPECT_TRUE(nook::ParseDate(saved.lastBackupTime, year, month, day));
    EXPECT_EQ(saved.lastBackupTime.size(), 19u);

    EXPECT_EQ(setup.archive.LastBackup().blogs.size(), 3u);
    EXPECT_EQ(setup.archive.Blogs().size(), 3u);
    EXPECT_EQ(setup.archive.Tree()[0].children.size(), 2u); // 2007 and 2008
}

TEST(StoreBackup, SecondBackupMergesIntoTheIndexes) {
    ArchiveSetup setup;
    setup.archive.StoreBackup(RealisticAnswer());
    nook::BlogEntry replaced = Blog(9, "new title", "2008-06-10 18:00:00");
    replaced.isEditorChoice = true;
    setup.archive.StoreBackup(AnswerOf({replaced}, {Post(41, "later", "2008-06-20 10:00:00")}));

    ASSERT_EQ(setup.archive.Blogs().size(), 3u); // replaced, not added
    const nook::BlogIndexEntry& entry = setup.archive.Blogs().at(9);
    EXPECT_EQ(entry.title, "new title");
    EXPECT_TRUE(entry.editorChoice);

    nook::CXmlDocument twitterList;
    ASSERT_TRUE(twitterList.LoadFile(setup.UserPath("TwitterList.xml")));
    ASSERT_TRUE(twitterList.FindElement("TwitterList"));
    EXPECT_EQ(twitterList.GetAttribute("Count"), "1"); // posts of this backup
    int elements = 0;
    while (twitterList.FindChildElement("Twitter"))
        ++elements;
    EXPECT_EQ(elements, 4); // the file lists them all
    EXPECT_EQ(ReadAll(setup.UserPath("2008\\6\\TwitterList.html")),
              "month:<2008-06-01 08:00:00:\xc1\xf9\xd4\xc2\xc1\xcb><2008-06-20 10:00:00:later>\r\n");

    nook::UserSettings saved = setup.SavedUser();
    EXPECT_EQ(saved.lastBlogId, 9);
    EXPECT_EQ(saved.lastCommentId, 102); // no comments this time: kept
    EXPECT_EQ(saved.lastTwitterId, 41);
}

TEST(StoreBackup, NoPostsLeavesTheMiniDiaryFilesAlone) {
    ArchiveSetup setup;
    setup.archive.StoreBackup(RealisticAnswer());
    ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath("2008\\5\\TwitterList.html"), "hand-made"));
    const std::string twitterList = ReadAll(setup.UserPath("TwitterList.xml"));
    const std::string blogList = ReadAll(setup.UserPath("BlogList.xml"));

    setup.archive.StoreBackup(AnswerOf({Blog(20, "one more", "2008-07-01 08:00:00")}));
    EXPECT_EQ(ReadAll(setup.UserPath("2008\\5\\TwitterList.html")), "hand-made");
    EXPECT_EQ(ReadAll(setup.UserPath("TwitterList.xml")), twitterList);
    EXPECT_NE(ReadAll(setup.UserPath("BlogList.xml")), blogList);
    EXPECT_EQ(setup.SavedUser().lastTwitterId, 40);
}

TEST(StoreBackup, FailedAnswerChangesNothing) {
    for (int result : {1, 3}) {
        ArchiveSetup setup;
        const std::string userFile = ReadAll(setup.dir + "mimi.xml");
        BlogListAnswer answer = RealisticAnswer();
        answer.result = result;
        nook::StoreOutcome outcome = setup.archive.StoreBackup(std::move(answer));
        EXPECT_EQ(outcome.result, result);
        EXPECT_FALSE(outcome.downloadsPending);
        EXPECT_FALSE(platform::DirectoryExists(setup.dir + "mimi"));
        EXPECT_EQ(ReadAll(setup.dir + "mimi.xml"), userFile);
        EXPECT_EQ(setup.settings.User().lastBlogId, 6);
        EXPECT_TRUE(setup.archive.Blogs().empty());
        EXPECT_TRUE(setup.archive.LastBackup().blogs.empty());
    }
}

// A crash or a failed write between pages must not advance the marks, or the next
// backup would never fetch the items that were lost.
TEST(StoreBackup, InterruptedStoreKeepsTheMarks) {
    ArchiveSetup setup;
    const std::string userFile = ReadAll(setup.dir + "mimi.xml");
    // The pages of 2008 cannot be written: a file stands where their folder belongs.
    ASSERT_TRUE(nook::MakeDirectoryPath(setup.UserPath("")));
    ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath("2008"), "in the way"));

    nook::StoreOutcome outcome = setup.archive.StoreBackup(RealisticAnswer());
    EXPECT_EQ(outcome.result, nook::kBackupFailed);
    EXPECT_TRUE(platform::FileExists(setup.UserPath("2007\\12\\8.html")));
    EXPECT_EQ(ReadAll(setup.dir + "mimi.xml"), userFile);
    EXPECT_EQ(setup.settings.User().lastBlogId, 6);
    EXPECT_EQ(setup.settings.User().lastBackupTime, "2008-01-01 00:00:00");

    // Once the way is clear the same answer, fetched again, completes the archive.
    ASSERT_TRUE(platform::RemoveFile(setup.UserPath("2008")));
    EXPECT_EQ(setup.archive.StoreBackup(RealisticAnswer()).result, nook::kBackupSuccess);
    EXPECT_TRUE(platform::FileExists(setup.UserPath("2008\\5\\7.html")));
    EXPECT_EQ(setup.SavedUser().lastBlogId, 8);
}

TEST(StoreBackup, HostileUserNamesWriteNothing) {
    for (const char* name : {"..\\x", "..\\..\\x", "C:\\x", "a/b", "CON", "x."}) {
        std::string base = nook::test::ScratchDir();
        std::string dir = base + "prog\\";
        ASSERT_TRUE(nook::MakeDirectoryPath(dir));
        CSettingsStore settings(dir);
        settings.User().userName = name;
        CArchive archive(dir, settings, nullptr);
        EXPECT_EQ(archive.StoreBackup(RealisticAnswer()).result, nook::kBackupFailed) << name;
        EXPECT_FALSE(platform::DirectoryExists(base + "x")) << name;
        EXPECT_FALSE(platform::FileExists(base + "x.xml")) << name;
        EXPECT_FALSE(platform::DirectoryExists(dir + "a")) << name;
        EXPECT_TRUE(archive.DownloadList().empty()) << name;
        EXPECT_EQ(settings.User().lastBlogId, 0) << name;
        EXPECT_FALSE(archive.LoadArchive(name)) << name;
    }
}

TEST(StoreBackup, FirstBackupOfPostsOnlyStillWritesItsIndex) {
    ArchiveSetup setup;
    setup.archive.StoreBackup(AnswerOf({}, {Post(1, "hello", "2009-02-03 04:05:06")}));
    EXPECT_TRUE(platform::FileExists(setup.UserPath("TwitterList.xml")));
    EXPECT_TRUE(platform::FileExists(setup.UserPath("BlogList.xml")));
    EXPECT_TRUE(platform::FileExists(setup.UserPath("2009\\2\\TwitterList.html")));
}

TEST(StoreBackup, UndatedItemsAreFiledUnderYearZero) {
    ArchiveSetup setup;
    setup.archive.StoreBackup(AnswerOf({Blog(5, "undated", "yesterday")}, {Post(6, "when?", "")}));
    EXPECT_TRUE(platform::FileExists(setup.UserPath("0\\0\\5.html")));
    EXPECT_TRUE(platform::FileExists(setup.UserPath("0\\0\\TwitterList.html")));
}

TEST(LoadArchive, ReadsBothIndexFiles) {
    ArchiveSetup setup;
    setup.archive.StoreBackup(RealisticAnswer());

    CSettingsStore settings(setup.dir);
    CArchive loaded(setup.dir, settings, nullptr);
    ASSERT_TRUE(loaded.LoadArchive("mimi"));
    ASSERT_EQ(loaded.Blogs().size(), 3u);
    EXPECT_EQ(loaded.Blogs().at(7).title, kTitle7);
    EXPECT_EQ(loaded.Blogs().at(7).time, "2008-05-03 09:07:02");
    EXPECT_TRUE(loaded.Blogs().at(7).editorChoice);
    EXPECT_EQ(loaded.Blogs().at(8).title, "Tom & Jerry");
    ASSERT_EQ(loaded.Twitters().size(), 3u);
    EXPECT_EQ(loaded.Twitters().at(31).content, kPost31);
    EXPECT_EQ(loaded.Twitters().at(31).time, "2008-05-20 10:00:00");
    ASSERT_EQ(loaded.Tree().size(), 2u);
    EXPECT_EQ(loaded.Tree()[1].children.size(), 1u); // 2008
}

TEST(LoadArchive, LaterDuplicateReplacesAndGapsGiveEmptyIndexes) {
    std::string dir = nook::test::ScratchDir();
    ASSERT_TRUE(nook::MakeDirectoryPath(dir + "mimi"));
    ASSERT_TRUE(platform::WriteFileAtomically(
        dir + "mimi\\BlogList.xml",
        "<BlogList Count=\"2\"><Blog id=\"4\" title=\"old\"/><Blog id=\"4\" title=\"new\" "
        "editorchoice=\"1\"/></BlogList>"));
    CSettingsStore settings(dir);
    CArchive archive(dir, settings, nullptr);
    ASSERT_TRUE(archive.LoadArchive("mimi"));
    ASSERT_EQ(archive.Blogs().size(), 1u);
    EXPECT_EQ(archive.Blogs().at(4).title, "new");
    EXPECT_TRUE(archive.Twitters().empty());

    ASSERT_TRUE(archive.LoadArchive("nobody"));
    EXPECT_TRUE(archive.Blogs().empty());
    ASSERT_EQ(archive.Tree().size(), 2u);
    EXPECT_TRUE(archive.Tree()[0].children.empty());
    EXPECT_TRUE(archive.Tree()[1].children.empty());

    EXPECT_FALSE(archive.LoadArchive(""));
}

} // namespace
