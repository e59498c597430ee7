#include "archive/Archive.h"

#include "tests/backup/ArchiveTestSupport.h"
#include "tests/backup/IndexFilesByDocument.h"
#include "tests/support/TestPaths.h"
#include "app/settings/SettingsStore.h"
#include "archive/ArchiveState.h"
#include "archive/DiaryRecord.h"
#include "archive/IndexFiles.h"
#include "archive/IndexRepair.h"
#include "archive/ParseDate.h"
#include "platform/Files.h"
#include "util/DirectoryPath.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

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
        nook::test::SaveEarlierMarks(settings, "mimi");
    }
    std::string UserPath(const std::string& rest) const { return dir + "mimi\\" + rest; }
    nook::UserSettings SavedUser() const {
        CSettingsStore reread(dir);
        reread.LoadUserSettings("mimi");
        return reread.User();
    }
};

// A diary's text is one attribute of the answer and of its record; pasted pictures can
// make it megabytes. Such a diary is neither left out of the answer (the marks would
// pass it for ever) nor of its record, and its record reads back when a comment comes.
TEST(StoreBackup, DiariesOfMegabytesAreKept) {
    const std::string text(6 << 20, 'a');
    const std::string summary = "<Summary NewBlogCount=\"3\" UpdatedBlogCount=\"0\" NewCommentCount=\"1\" "
                                "NewTwitterCount=\"0\"/>";
    BlogListAnswer answer = nook::ParseBlogListAnswer(
        "<Backup Result=\"0\">" + summary + "<BlogList><Blog blog_id=\"1\" create_time=\"2008-05-01 08:00:00\"/>"
        "<Blog blog_id=\"2\" create_time=\"2008-05-02 08:00:00\" content=\"&lt;p&gt;" + text + "&lt;/p&gt;\"/>"
        "<Blog blog_id=\"3\" create_time=\"2008-05-03 08:00:00\"/></BlogList>"
        "<CommentList><Comment comment_id=\"101\" blog_id=\"2\" comment_content=\"" + text + "\"/></CommentList></Backup>");
    ASSERT_EQ(answer.blogs.size(), 3u);
    ASSERT_EQ(answer.comments.size(), 1u);
    ArchiveSetup setup;
    ASSERT_EQ(setup.archive.StoreBackup(std::move(answer)).result, nook::kBackupSuccess);
    EXPECT_EQ(setup.SavedUser().marks.lastBlogId, 3);

    nook::CommentEntry later;
    later.id = 102;
    later.blogId = 2;
    later.content = "later";
    BlogListAnswer comment = AnswerOf({});
    comment.comments.push_back(later);
    ASSERT_EQ(setup.archive.StoreBackup(std::move(comment)).result, nook::kBackupSuccess);
    nook::DiaryRecord record;
    ASSERT_TRUE(nook::LoadDiaryRecord(setup.UserPath("Records\\2.xml"), record));
    EXPECT_TRUE(record.blog.content == "<p>" + text + "</p>");
    ASSERT_EQ(record.comments.size(), 2u);
    EXPECT_TRUE(record.comments[0].content == text);
    EXPECT_NE(ReadAll(setup.UserPath("2008\\5\\2.html")).find(text), std::string::npos);
}

TEST(StoreBackup, WritesPagesIndexesAndThenTheMarks) {
    ArchiveSetup setup;
    nook::StoreOutcome outcome = setup.archive.StoreBackup(RealisticAnswer());
    EXPECT_EQ(outcome.result, nook::kBackupSuccess);
    EXPECT_TRUE(outcome.downloadsPending);
    EXPECT_EQ(setup.archive.PendingDownloads().size(), 1u);

    for (const char* page : {"2008\\5\\7.html", "2008\\6\\9.html", "2007\\12\\8.html"})
        EXPECT_TRUE(platform::FileExists(setup.UserPath(page))) << page;
    EXPECT_FALSE(platform::FileExists(setup.UserPath("2008\\5\\500.html"))); // comment without its diary
    EXPECT_TRUE(platform::FileExists(setup.UserPath("Records\\500.xml")));    // kept for when it comes

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
    EXPECT_EQ(saved.marks.lastBlogId, 8);
    EXPECT_EQ(saved.marks.lastCommentId, 102);
    EXPECT_EQ(saved.marks.lastTwitterId, 40);
    EXPECT_NE(saved.marks.lastBackupTime, "2008-01-01 00:00:00");
    int year = 0, month = 0, day = 0;
    EXPECT_TRUE(nook::ParseDate(saved.marks.lastBackupTime, year, month, day));
    EXPECT_EQ(saved.marks.lastBackupTime.size(), 19u);

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
    EXPECT_EQ(saved.marks.lastBlogId, 9);
    EXPECT_EQ(saved.marks.lastCommentId, 102); // no comments this time: kept
    EXPECT_EQ(saved.marks.lastTwitterId, 41);
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
    EXPECT_EQ(setup.SavedUser().marks.lastTwitterId, 40);
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
        EXPECT_EQ(setup.settings.User().marks.lastBlogId, 6);
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
    EXPECT_EQ(setup.settings.User().marks.lastBlogId, 6);
    EXPECT_EQ(setup.settings.User().marks.lastBackupTime, "2008-01-01 00:00:00");

    // Once the way is clear the same answer, fetched again, completes the archive.
    ASSERT_TRUE(platform::RemoveFile(setup.UserPath("2008")));
    EXPECT_EQ(setup.archive.StoreBackup(RealisticAnswer()).result, nook::kBackupSuccess);
    EXPECT_TRUE(platform::FileExists(setup.UserPath("2008\\5\\7.html")));
    EXPECT_EQ(setup.SavedUser().marks.lastBlogId, 8);
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
        EXPECT_TRUE(archive.PendingDownloads().empty()) << name;
        EXPECT_EQ(settings.User().marks.lastBlogId, 0) << name;
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

// BlogList.xml is written whole from the index loaded at login: a file cut short, put
// back from an older copy or gone must not take the diaries it lost out of the archive.
TEST(LoadArchive, DiariesTheIndexFileLostComeBackFromTheirRecords) {
    const struct {
        const char* damage;
        bool (*apply)(const std::string& path, const std::string& written);
    } cases[] = {
        {"cut short", [](const std::string& path, const std::string& written) {
             return platform::WriteFileAtomically(path, written.substr(0, written.find("<Blog ", 20)));
         }},
        {"an older copy, from before two of them", [](const std::string& path, const std::string& written) {
             const size_t eight = written.find("<Blog id=\"8\"");
             return platform::WriteFileAtomically(
                 path, "<BlogList Count=\"1\">\r\n" + written.substr(eight, written.find('\n', eight) + 1 - eight) +
                           "</BlogList>\r\n");
         }},
        {"gone", [](const std::string& path, const std::string&) { return platform::RemoveFile(path); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        ArchiveSetup setup;
        ASSERT_EQ(setup.archive.StoreBackup(RealisticAnswer()).result, nook::kBackupSuccess);
        const std::string path = setup.UserPath("BlogList.xml");
        const std::string written = ReadAll(path);
        ASSERT_TRUE(c.apply(path, written));

        CArchive later(setup.dir, setup.settings, nullptr);
        ASSERT_TRUE(later.LoadArchive("mimi"));
        ASSERT_EQ(later.Blogs().size(), 3u);
        for (const auto& [id, entry] : setup.archive.Blogs()) {
            EXPECT_EQ(later.Blogs().at(id).title, entry.title) << id;
            EXPECT_EQ(later.Blogs().at(id).time, entry.time) << id;
            EXPECT_EQ(later.Blogs().at(id).editorChoice, entry.editorChoice) << id;
        }
        ASSERT_EQ(later.StoreBackup(AnswerOf({Blog(20, "later", "2008-07-01 08:00:00")})).result,
                  nook::kBackupSuccess);
        nook::BlogIndex saved;
        nook::LoadBlogIndex(path, saved);
        EXPECT_EQ(saved.size(), 4u);
        for (const auto& [id, entry] : setup.archive.Blogs()) {
            EXPECT_EQ(saved[id].title, entry.title) << id;
        }
    }
}

// Posts are kept in TwitterList.xml alone, and a diary whose record went too can come
// back from nowhere in the archive: where an index lacks the item its mark names, that
// list is asked for from the start again (diaries with their comments).
TEST(PrepareArchiveFolder, AnIndexThatLostWhatTheMarksPassedHasItSentAgain) {
    const struct {
        const char* damage;
        std::vector<const char*> removed;
        const char* cutBefore; // in TwitterList.xml
        nook::BackupMarks marks;
    } cases[] = {
        {"none", {}, nullptr, {8, 102, 40, ""}},
        {"TwitterList.xml gone", {"TwitterList.xml"}, nullptr, {8, 102, 0, ""}},
        {"TwitterList.xml cut short", {}, "<Twitter id=\"40\"", {8, 102, 0, ""}},
        {"BlogList.xml gone, records kept", {"BlogList.xml"}, nullptr, {8, 102, 40, ""}},
        {"BlogList.xml and the last diary's record gone", {"BlogList.xml", "Records\\8.xml"}, nullptr,
         {0, 0, 40, ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        ArchiveSetup setup;
        ASSERT_EQ(setup.archive.StoreBackup(RealisticAnswer()).result, nook::kBackupSuccess);
        const std::string time = setup.settings.User().marks.lastBackupTime;
        for (const char* file : c.removed) {
            ASSERT_TRUE(platform::RemoveFile(setup.UserPath(file)));
        }
        if (c.cutBefore) {
            const std::string posts = ReadAll(setup.UserPath("TwitterList.xml"));
            ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath("TwitterList.xml"),
                                                      posts.substr(0, posts.find(c.cutBefore))));
        }
        CArchive later(setup.dir, setup.settings, nullptr);
        ASSERT_TRUE(later.LoadArchive("mimi"));
        ASSERT_TRUE(later.PrepareArchiveFolder());
        const nook::BackupMarks marks = setup.SavedUser().marks;
        EXPECT_EQ(marks.lastBlogId, c.marks.lastBlogId);
        EXPECT_EQ(marks.lastCommentId, c.marks.lastCommentId);
        EXPECT_EQ(marks.lastTwitterId, c.marks.lastTwitterId);
        EXPECT_EQ(marks.lastBackupTime, time);
    }
}

// Only a mark that names an item the index lacks goes back; a list with no mark yet
// (diaries none, comments some) keeps the others as they are.
TEST(MarksTheIndexesHold, SetBackOnlyTheListsThatLostTheirMarkedItem) {
    const struct {
        const char* what;
        bool diaryHeld, postHeld;
        nook::BackupMarks marks, held;
    } cases[] = {
        {"both held", true, true, {8, 102, 40, "t"}, {8, 102, 40, "t"}},
        {"neither held", false, false, {8, 102, 40, "t"}, {0, 0, 0, "t"}},
        {"the post lost", true, false, {8, 102, 40, "t"}, {8, 102, 0, "t"}},
        {"no diary marked", false, false, {0, 102, 0, "t"}, {0, 102, 0, "t"}},
    };
    for (const auto& c : cases) {
        nook::BlogIndex blogs;
        nook::TwitterIndex posts;
        if (c.diaryHeld) blogs[8] = {8, "t", "2008-05-03 09:07:02", false};
        if (c.postHeld) posts[40] = {40, "p", "2008-05-20 10:00:00"};
        EXPECT_TRUE(nook::MarksTheIndexesHold(c.marks, blogs, posts) == c.held) << c.what;
    }
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

    // A name that cannot be a folder shows no one's archive, least of all the last one.
    EXPECT_FALSE(archive.LoadArchive("mimi."));
    EXPECT_TRUE(archive.Blogs().empty());
    EXPECT_TRUE(archive.PendingDownloads().empty());

    ASSERT_TRUE(archive.LoadArchive("nobody"));
    EXPECT_TRUE(archive.Blogs().empty());
    ASSERT_EQ(archive.Tree().size(), 2u);
    EXPECT_TRUE(archive.Tree()[0].children.empty());
    EXPECT_TRUE(archive.Tree()[1].children.empty());

    EXPECT_FALSE(archive.LoadArchive(""));
}

} // namespace

// ---------------------------------------------------------------------------------------
// Nothing received is lost: comments across backups, photos across runs, old archives.

nook::CommentEntry Comment(int32_t id, int32_t blogId, const std::string& content) {
    nook::CommentEntry comment;
    comment.id = id;
    comment.blogId = blogId;
    comment.guestName = "guest";
    comment.content = content;
    comment.time = "2008-06-01 10:00:00";
    return comment;
}

BlogListAnswer AnswerWith(std::vector<nook::BlogEntry> blogs, std::vector<nook::CommentEntry> comments) {
    BlogListAnswer answer = AnswerOf(std::move(blogs));
    answer.comments = std::move(comments);
    return answer;
}

// Page of diary 9 of the realistic answer, as the plain templates render it.
std::string Page9(const ArchiveSetup& setup) { return ReadAll(setup.UserPath("2008\\6\\9.html")); }

// The comments on a page of the plain templates, "[guest/time/content/reply]" each.
size_t CommentsOn(const std::string& page) {
    size_t count = 0;
    for (size_t at = page.find("[guest/"); at != std::string::npos; at = page.find("[guest/", at + 1))
        ++count;
    return count;
}

TEST(StoreBackup, CommentsOfEarlierBackupsStayOnTheirDiarysPage) {
    ArchiveSetup setup;
    setup.archive.StoreBackup(AnswerWith({Blog(9, "rain", "2008-06-10 18:00:00")},
                                         {Comment(201, 9, "first"), Comment(202, 9, "second")}));
    ASSERT_EQ(CommentsOn(Page9(setup)), 2u);

    struct Step {
        const char* what;
        BlogListAnswer answer;
        std::vector<const char*> contents; // the page's comments, in order
    } steps[] = {
        {"updated diary without comments keeps them",
         AnswerOf({Blog(9, "rain, updated", "2008-06-10 18:00:00")}),
         {"first", "second"}},
        {"a new comment on a diary not in the answer renders its page again",
         AnswerWith({}, {Comment(203, 9, "third")}),
         {"first", "second", "third"}},
        {"a later copy of a comment replaces it in place",
         AnswerWith({Blog(9, "rain", "2008-06-10 18:00:00")}, {Comment(202, 9, "second, edited")}),
         {"first", "second, edited", "third"}},
    };
    for (Step& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_EQ(setup.archive.StoreBackup(std::move(step.answer)).result, nook::kBackupSuccess);
        const std::string page = Page9(setup);
        ASSERT_EQ(CommentsOn(page), step.contents.size()) << page;
        size_t at = 0;
        for (const char* content : step.contents) {
            at = page.find(std::string("/") + content + "/", at);
            EXPECT_NE(at, std::string::npos) << content << "\n" << page;
        }
    }
    EXPECT_EQ(setup.SavedUser().marks.lastCommentId, 202);
}

TEST(StoreBackup, CommentOnADiaryNotYetArchivedIsShownWhenTheDiaryArrives) {
    ArchiveSetup setup;
    setup.archive.StoreBackup(AnswerWith({}, {Comment(301, 44, "early bird")}));
    EXPECT_FALSE(platform::FileExists(setup.UserPath("2008\\7\\44.html")));
    EXPECT_TRUE(setup.archive.Blogs().empty());
    EXPECT_EQ(setup.SavedUser().marks.lastCommentId, 301);

    setup.archive.StoreBackup(AnswerOf({Blog(44, "late diary", "2008-07-01 08:00:00")}));
    const std::string page = ReadAll(setup.UserPath("2008\\7\\44.html"));
    EXPECT_NE(page.find("/early bird/"), std::string::npos) << page;
}

TEST(StoreBackup, UpdatedDiaryReusesItsPhotosAndOnlyNewOnesArePending) {
    ArchiveSetup setup;
    nook::BlogEntry blog = Blog(9, "rain", "2008-06-10 18:00:00");
    blog.content = "<img src=\"http://p/1.jpg\">";
    setup.archive.StoreBackup(AnswerOf({blog}));
    ASSERT_EQ(setup.archive.PendingDownloads().size(), 1u);
    const std::string photo = setup.archive.PendingDownloads()[0].localPath;
    nook::IPhotoPassSink& pass = setup.archive.BeginPhotoPass(setup.archive.PendingDownloads());
    ASSERT_TRUE(platform::WriteFileAtomically(photo, "\xFF\xD8jpeg"));
    pass.OnPhotoHandled(0, {nook::PhotoResult::Stored, ""});
    pass.OnPassEnded();

    blog.content = "<img src=\"http://p/1.jpg\"><img src=\"http://p/2.jpg?a=1&amp;b=2\">";
    nook::StoreOutcome outcome = setup.archive.StoreBackup(AnswerOf({blog}));
    EXPECT_TRUE(outcome.downloadsPending);
    const std::vector<nook::DownloadItem> pending = setup.archive.PendingDownloads();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].url, "http://p/2.jpg?a=1&b=2");
    EXPECT_EQ(setup.archive.Photos().Entries().size(), 2u);
    // The page names both photos beside itself, whatever folder the archive is in.
    const std::string page = Page9(setup);
    const std::string name = photo.substr(photo.rfind('\\') + 1);
    EXPECT_NE(page.find("src=\"../../Images/" + name + "\""), std::string::npos) << page;
    EXPECT_EQ(page.find(setup.dir), std::string::npos) << page;

    // The list is on the disk with the pages: a new program run knows both photos.
    CSettingsStore settings(setup.dir);
    CArchive loaded(setup.dir, settings, nullptr);
    ASSERT_TRUE(loaded.LoadArchive("mimi"));
    EXPECT_EQ(loaded.Photos().Entries().size(), 2u);
    EXPECT_EQ(loaded.PendingPhotoCount(), 1u);
}

// Whatever write fails (as when the program dies there), the marks stay, and the same
// answer fetched again completes the archive with everything of both answers.
TEST(StoreBackup, AFailureAtAnyStepLosesNothing) {
    const char* obstacles[] = {"Records\\9.xml", "2008\\6\\9.html", "BlogList.xml", "PhotoList.xml", "Archive.xml"};
    for (const char* obstacle : obstacles) {
        SCOPED_TRACE(obstacle);
        ArchiveSetup setup;
        ASSERT_EQ(setup.archive.StoreBackup(AnswerWith({Blog(9, "rain", "2008-06-10 18:00:00")},
                                                       {Comment(201, 9, "first")}))
                      .result,
                  nook::kBackupSuccess);
        // A folder where the file must go makes its replacement fail.
        ASSERT_TRUE(nook::MakeDirectoryPath(setup.UserPath(std::string(obstacle) + ".tmp~")));
        nook::BlogEntry updated = Blog(9, "rain, updated", "2008-06-10 18:00:00");
        updated.content = "<img src=\"http://p/1.jpg\">";
        auto answer = [&] { return AnswerWith({updated}, {Comment(202, 9, "second")}); };
        EXPECT_EQ(setup.archive.StoreBackup(answer()).result, nook::kBackupFailed);
        EXPECT_EQ(setup.SavedUser().marks.lastCommentId, 201);

        ASSERT_TRUE(nook::test::RemoveEmptyFolder(setup.UserPath(std::string(obstacle) + ".tmp~")));
        // A new run: the archive as the disk has it.
        CSettingsStore settings(setup.dir);
        settings.LoadSettings();
        settings.LoadUserSettings("mimi");
        CArchive again(setup.dir, settings, nullptr);
        ASSERT_TRUE(again.LoadArchive("mimi"));
        EXPECT_EQ(again.StoreBackup(answer()).result, nook::kBackupSuccess);
        EXPECT_EQ(CommentsOn(Page9(setup)), 2u);
        EXPECT_EQ(again.PendingPhotoCount(), 1u);
        EXPECT_EQ(setup.SavedUser().marks.lastCommentId, 202);
    }
}

// An archive written before the records and the photo list: it is backed up once more
// in full, keeping the photo files it has, and the pages of diaries the service no
// longer has are made portable too.
TEST(LoadArchive, OldArchiveGetsOneFullBackupThatKeepsItsPhotos) {
    ArchiveSetup setup;
    const std::string oldImages = "C:\\Old\\mimi\\Images\\";
    ASSERT_TRUE(nook::MakeDirectoryPath(setup.UserPath("Images")));
    for (const char* photo : {"old7.jpg", "old50.jpg"})
        ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath(std::string("Images\\") + photo), "\xFF\xD8"));
    ASSERT_TRUE(platform::WriteFileAtomically(
        setup.UserPath("BlogList.xml"), "<BlogList Count=\"2\">\r\n<Blog id=\"7\" title=\"a\" time=\"2008-05-03 "
                                        "09:07:02\" editorchoice=\"0\"/>\r\n<Blog id=\"50\" title=\"b\" "
                                        "time=\"2008-09-01 08:00:00\" editorchoice=\"0\"/>\r\n</BlogList>\r\n"));
    ASSERT_TRUE(nook::MakeDirectoryPath(setup.UserPath("2008\\5")));
    ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath("2008\\5\\7.html"),
                                              "<p>a comment the service has since lost</p>\r\n<img src=\"" +
                                                  oldImages + "old7.jpg\">"));
    ASSERT_TRUE(nook::MakeDirectoryPath(setup.UserPath("2008\\9")));
    ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath("2008\\9\\50.html"),
                                              "<p>deleted</p>\r\n<img src=\"" + oldImages + "old50.jpg\">"));

    ASSERT_TRUE(setup.archive.LoadArchive("mimi"));
    EXPECT_TRUE(setup.archive.FullBackupPending());
    nook::UserSettings saved = setup.SavedUser();
    EXPECT_EQ(saved.marks.lastBlogId, 0);
    EXPECT_EQ(saved.marks.lastCommentId, 0);
    EXPECT_EQ(saved.marks.lastTwitterId, 0);
    EXPECT_EQ(saved.marks.lastBackupTime, "2001-01-01 00:00:00");
    ASSERT_EQ(setup.archive.Blogs().size(), 2u);

    // Once: a later load with later marks leaves them alone.
    setup.settings.User().marks.lastBlogId = 3;
    ASSERT_TRUE(setup.settings.SaveSettings());
    ASSERT_TRUE(setup.archive.LoadArchive("mimi"));
    EXPECT_EQ(setup.SavedUser().marks.lastBlogId, 3);

    nook::BlogEntry diary = Blog(7, "a", "2008-05-03 09:07:02");
    diary.content = "<img src=\"http://p/7.jpg\"><img src=\"http://p/7b.jpg\">";
    ASSERT_EQ(setup.archive.StoreBackup(AnswerOf({diary})).result, nook::kBackupSuccess);
    EXPECT_FALSE(setup.archive.FullBackupPending());
    const nook::PhotoEntry* reused = setup.archive.Photos().Find("http://p/7.jpg");
    ASSERT_NE(reused, nullptr);
    EXPECT_EQ(reused->file, "Images\\old7.jpg");
    EXPECT_EQ(reused->state, nook::PhotoState::Stored);
    EXPECT_EQ(setup.archive.PendingPhotoCount(), 1u); // 7b.jpg: the old page had no second photo
    EXPECT_NE(ReadAll(setup.UserPath("2008\\5\\7.html")).find("src=\"../../Images/old7.jpg\""), std::string::npos);
    EXPECT_EQ(ReadAll(setup.UserPath("2008\\9\\50.html")), "<p>deleted</p>\r\n<img src=\"../../Images/old50.jpg\">");
    EXPECT_TRUE(platform::FileExists(setup.UserPath("Images\\old50.jpg")));
    // What the old page showed is kept beside the new one, once.
    const std::string kept = "<p>a comment the service has since lost</p>\r\n<img src=\"../../Images/old7.jpg\">";
    EXPECT_EQ(ReadAll(setup.UserPath("2008\\5\\7.earlier.html")), kept);

    // A new run finds an archive like any other.
    CSettingsStore settings(setup.dir);
    settings.LoadUserSettings("mimi");
    CArchive loaded(setup.dir, settings, nullptr);
    ASSERT_TRUE(loaded.LoadArchive("mimi"));
    EXPECT_FALSE(loaded.FullBackupPending());
    EXPECT_EQ(settings.User().marks.lastBlogId, 7);
}

TEST(UpgradePages, OlderLayoutIsRenderedAgainFromTheRecordsOnce) {
    ArchiveSetup setup;
    setup.archive.StoreBackup(AnswerWith({Blog(9, "rain", "2008-06-10 18:00:00")}, {Comment(201, 9, "first")}));
    setup.archive.StoreBackup(AnswerOf({}, {Post(30, "post", "2008-05-02 09:00:00")}));
    const std::string page = Page9(setup);
    const std::string month = ReadAll(setup.UserPath("2008\\5\\TwitterList.html"));
    ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath("2008\\6\\9.html"), "old layout"));
    ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath("2008\\5\\TwitterList.html"), "old layout"));
    ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath("Archive.xml"),
                                              "<Archive PageVersion=\"1\" FullBackupPending=\"0\"/>"));

    CArchive loaded(setup.dir, setup.settings, nullptr);
    ASSERT_TRUE(loaded.LoadArchive("mimi"));
    ASSERT_TRUE(loaded.NeedsPageUpgrade());
    EXPECT_TRUE(loaded.UpgradePages());
    EXPECT_EQ(Page9(setup), page);
    EXPECT_EQ(ReadAll(setup.UserPath("2008\\5\\TwitterList.html")), month);
    EXPECT_FALSE(loaded.NeedsPageUpgrade());

    CArchive again(setup.dir, setup.settings, nullptr);
    ASSERT_TRUE(again.LoadArchive("mimi"));
    EXPECT_FALSE(again.NeedsPageUpgrade());
}

// ---------------------------------------------------------------------------------------
// A backup writes what changed: the pages of the diaries and months it changed, the index
// files, and nothing else; every page is what rendering everything again would make.

namespace {

const char kMay[] = "2008\\5\\TwitterList.html";
const char kJune[] = "2008\\6\\TwitterList.html";
const char kJuly[] = "2008\\7\\TwitterList.html";
const char kAugust[] = "2008\\8\\TwitterList.html";
const char kUntouched[] = "untouched";

TEST(StoreBackup, PostsRewriteOnlyTheMonthPagesTheyChange) {
    const struct {
        const char* what;
        nook::TwitterEntry post;
        std::map<std::string, std::string> pages; // all others stay untouched
    } cases[] = {
        {"a new post",
         Post(41, "june 2", "2008-06-15 10:00:00"),
         {{kJune, "month:<2008-06-01 08:00:00:june><2008-06-15 10:00:00:june 2>\r\n"}}},
        {"a post sent again in its month",
         Post(31, "may b, edited", "2008-05-20 10:00:00"),
         {{kMay, "month:<2008-05-02 09:00:00:may a><2008-05-20 10:00:00:may b, edited>\r\n"}}},
        {"a post moved to another month changes both",
         Post(31, "may b", "2008-07-10 10:00:00"),
         {{kMay, "month:<2008-05-02 09:00:00:may a>\r\n"},
          {kJuly, "month:<2008-07-10 10:00:00:may b><2008-07-04 12:00:00:july>\r\n"}}},
        // As when every month is rendered: a month without posts has no page to render.
        // May and July, its neighbours, now link each other.
        {"a post moved out of a month of its own",
         Post(40, "june", "2008-08-01 08:00:00"),
         {{kJune, kUntouched},
          {kAugust, "month:<2008-08-01 08:00:00:june>\r\n"},
          {kMay, "month:<2008-05-02 09:00:00:may a><2008-05-20 10:00:00:may b>\r\n"},
          {kJuly, "month:<2008-07-04 12:00:00:july>\r\n"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ArchiveSetup setup;
        ASSERT_EQ(
            setup.archive
                .StoreBackup(AnswerOf(
                    {}, {Post(30, "may a", "2008-05-02 09:00:00"), Post(31, "may b", "2008-05-20 10:00:00"),
                         Post(40, "june", "2008-06-01 08:00:00"), Post(50, "july", "2008-07-04 12:00:00")}))
                .result,
            nook::kBackupSuccess);
        for (const char* month : {kMay, kJune, kJuly})
            ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath(month), kUntouched));

        ASSERT_EQ(setup.archive.StoreBackup(AnswerOf({}, {c.post})).result, nook::kBackupSuccess);
        for (const char* month : {kMay, kJune, kJuly, kAugust}) {
            auto changed = c.pages.find(month);
            const std::string expected = changed != c.pages.end()        ? changed->second
                                         : std::string(month) == kAugust ? ""
                                                                         : kUntouched;
            EXPECT_EQ(ReadAll(setup.UserPath(month)), expected) << month;
        }
    }
}

// Whichever template is missing, a backup logs it once, however many pages it renders,
// and fails: its pages would be empty, so the marks stay and the next backup, once the
// templates are back, renders them.
TEST(StoreBackup, MissingTemplateIsLoggedOnceAndFailsTheBackup) {
    for (const char* name :
         {"BlogView.html", "Comment.html", "Twitter.html", "TwitterList.html", "Navigation.html",
          "YearBook.html", "BookMonth.html", "BookDiary.html", "BookPosts.html", "Index.html"}) {
        ArchiveSetup setup;
        ASSERT_TRUE(platform::RemoveFile(setup.dir + "Templates\\" + name));
        BlogListAnswer answer = RealisticAnswer();
        answer.twitters.push_back(Post(60, "september", "2008-09-01 08:00:00"));
        EXPECT_EQ(setup.archive.StoreBackup(std::move(answer)).result, nook::kBackupFailed) << name;
        EXPECT_EQ(setup.SavedUser().marks.lastBlogId, 6) << name;
        EXPECT_EQ(setup.log.lines, std::vector<std::string>{"CArchivistDlg::ReadFile - Failed to open '" +
                                                            setup.dir + "Templates\\" + name + "'!"});
    }
}

// The link a plain page shows to a diary of May 2008.
std::string LinkTo(const char* rel, int32_t id, const std::string& label, const std::string& title) {
    return std::string("<a class=\"nav-") + rel + "\" href=\"../../2008/5/" + std::to_string(id) +
           ".html\" rel=\"" + rel + "\"><span class=\"nav-label\">" + label +
           "</span><span class=\"nav-title\">" + title + "</span></a>";
}

// A diary that arrives between two others changes their links and nothing else: the
// backup writes its page and theirs, as rendering everything again would.
TEST(StoreBackup, ANewDiaryRewritesExactlyThePagesNextToIt) {
    const std::string previous = "\xc9\xcf\xd2\xbb\xc6\xaa"; // 上一篇
    const std::string next = "\xcf\xc2\xd2\xbb\xc6\xaa";     // 下一篇
    ArchiveSetup setup;
    nook::test::LinkPlainPages(setup.dir);
    ASSERT_EQ(setup.archive
                  .StoreBackup(AnswerOf(
                      {Blog(1, "one", "2008-05-01 08:00:00"), Blog(4, "four", "2008-05-30 08:00:00"),
                       Blog(2, "two <&>", "2008-05-10 08:00:00"), Blog(3, "three", "2008-05-20 08:00:00")}))
                  .result,
              nook::kBackupSuccess);
    auto navigation = [&](int32_t id) {
        const std::string page = ReadAll(setup.UserPath("2008\\5\\" + std::to_string(id) + ".html"));
        const size_t nav = page.find("nav=");
        return nav == std::string::npos ? page : page.substr(nav);
    };
    // The first links no previous diary, the last no next one.
    EXPECT_EQ(navigation(1), "nav=[|" + LinkTo("next", 2, next, "two &lt;&amp;&gt;") + "]\r\n");
    EXPECT_EQ(navigation(4), "nav=[" + LinkTo("prev", 3, previous, "three") + "|]\r\n");
    for (int32_t id : {1, 2, 3, 4})
        ASSERT_TRUE(platform::WriteFileAtomically(setup.UserPath("2008\\5\\" + std::to_string(id) + ".html"),
                                                  kUntouched));

    ASSERT_EQ(setup.archive.StoreBackup(AnswerOf({Blog(9, "nine", "2008-05-15 08:00:00")})).result,
              nook::kBackupSuccess);
    EXPECT_EQ(navigation(1), kUntouched);
    EXPECT_EQ(navigation(4), kUntouched);
    EXPECT_EQ(navigation(2),
              "nav=[" + LinkTo("prev", 1, previous, "one") + "|" + LinkTo("next", 9, next, "nine") + "]\r\n");
    EXPECT_EQ(navigation(9), "nav=[" + LinkTo("prev", 2, previous, "two &lt;&amp;&gt;") + "|" +
                                 LinkTo("next", 3, next, "three") + "]\r\n");
    EXPECT_EQ(navigation(3), "nav=[" + LinkTo("prev", 9, previous, "nine") + "|" +
                                 LinkTo("next", 4, next, "four") + "]\r\n");
}

// What the archive should hold after each backup, from the answers alone.
struct ExpectedArchive {
    nook::BlogIndex blogs;
    nook::TwitterIndex posts;
    int postCount = 0;                             // posts of the last backup that had any
    std::set<int32_t> records;                     // every diary that received anything
    std::map<std::string, std::string> monthPages; // the last page of every month that had posts

    void Add(const BlogListAnswer& answer) {
        for (const nook::BlogEntry& blog : answer.blogs) {
            blogs[blog.id] = {blog.id, blog.title, blog.createTime, blog.isEditorChoice};
            records.insert(blog.id);
        }
        for (const nook::CommentEntry& comment : answer.comments)
            records.insert(comment.blogId);
        for (const nook::TwitterEntry& post : answer.twitters)
            posts[post.id] = {post.id, post.content, post.createTime};
        if (!answer.twitters.empty()) postCount = static_cast<int>(answer.twitters.size());
    }
};

// A file in the year\month folder of an item created at `time`.
std::string InMonthFolder(const std::string& time, const std::string& name) {
    const nook::ArchiveMonth month = nook::ArchiveMonthOf(time);
    return std::to_string(month.year) + "\\" + std::to_string(month.month) + "\\" + name;
}

// The user folder rendered again from scratch: the records and photo list of `from`,
// index files written by the document class from what the answers sent, an archive
// state of an older layout, then every page rendered by the page upgrade.
std::string RenderEverythingAgain(const ArchiveSetup& from, const ExpectedArchive& expected) {
    const std::string dir = ProgramFolderWithTemplates();
    nook::test::LinkPlainPages(dir);
    const std::string user = dir + "mimi\\";
    EXPECT_TRUE(nook::MakeDirectoryPath(user + "Records"));
    for (int32_t id : expected.records) {
        const std::string record = "Records\\" + std::to_string(id) + ".xml";
        EXPECT_TRUE(platform::CopyFileTo(from.UserPath(record), user + record, true)) << record;
    }
    EXPECT_TRUE(platform::CopyFileTo(from.UserPath("PhotoList.xml"), user + "PhotoList.xml", true));
    EXPECT_TRUE(nook::test::SaveBlogIndexByDocument(user + "BlogList.xml", expected.blogs));
    EXPECT_TRUE(
        nook::test::SaveTwitterIndexByDocument(user + "TwitterList.xml", expected.posts, expected.postCount));
    EXPECT_TRUE(nook::SaveArchiveState(user + "Archive.xml", {nook::kPageVersion - 1, false, std::nullopt}));

    CSettingsStore settings(dir);
    CArchive archive(dir, settings, nullptr);
    EXPECT_TRUE(archive.LoadArchive("mimi"));
    EXPECT_TRUE(archive.NeedsPageUpgrade());
    EXPECT_TRUE(archive.UpgradePages());
    return user;
}

TEST(StoreBackup, EveryPageEqualsAFullRenderAfterEveryBackup) {
    auto blog = [](int32_t id, const std::string& title, const std::string& created,
                   const std::string& content) {
        nook::BlogEntry entry = Blog(id, title, created);
        entry.content = content;
        return entry;
    };
    nook::BlogEntry editorsChoice = blog(3, "rain", "2008-06-10 18:00:00", "<p>wet</p>");
    editorsChoice.isEditorChoice = true;
    auto answer = [](std::vector<nook::BlogEntry> blogs, std::vector<nook::CommentEntry> comments,
                     std::vector<nook::TwitterEntry> posts) {
        BlogListAnswer made = AnswerWith(std::move(blogs), std::move(comments));
        made.twitters = std::move(posts);
        return made;
    };
    struct Step {
        const char* what;
        BlogListAnswer answer;
    } steps[] = {
        {"a first backup",
         answer({blog(1, "first", "2008-05-03 09:07:02", "<img src=\"http://p/1.jpg\">"),
                 blog(2, "second", "2008-05-20 10:00:00", "two"),
                 blog(3, "rain", "2008-06-10 18:00:00", "<p>wet</p>")},
                {Comment(101, 1, "nice"), Comment(102, 3, "<b>wet</b>")},
                {Post(30, "may", "2008-05-02 09:00:00"),
                 Post(31, "<img src=\"http://p/31.png\">", "2008-05-21 10:00:00"),
                 Post(40, "june", "2008-06-01 08:00:00"), Post(50, "july", "2008-07-04 12:00:00")})},
        {"new and updated diaries, comments on older ones, posts that move",
         answer({blog(4, "fourth", "2008-07-01 08:00:00", "four"),
                 blog(2, "second, updated", "2008-05-20 10:00:00", "<img src=\"http://p/2.jpg\">"),
                 blog(5, "fifth", "2008-06-02 08:00:00", "five")},
                {Comment(103, 1, "still nice"), Comment(104, 3, "drier"), Comment(105, 2, "updated!")},
                {Post(41, "june again", "2008-06-15 10:00:00"),
                 Post(31, "moved to july", "2008-07-10 10:00:00")})},
        {"no posts, two diaries of the same time",
         answer({blog(7, "seventh", "2008-08-01 08:00:00", "seven"),
                 blog(6, "sixth", "2008-08-01 08:00:00", "six"), editorsChoice},
                {Comment(106, 4, "on four"), Comment(107, 999, "not here yet")}, {})},
        {"the last post of a month moves away",
         answer({}, {}, {Post(30, "may, moved", "2008-09-01 09:00:00"), Post(60, "undated", "")})},
        {"a post comes back to its emptied month, a diary arrives for its comment, one moves to the next "
         "year",
         answer({blog(999, "late", "2008-09-02 08:00:00", "late"),
                 blog(1, "first, again", "2008-05-03 09:07:02", "x"),
                 blog(4, "fourth, a year later", "2009-07-01 08:00:00", "four")},
                {Comment(108, 999, "welcome")}, {Post(30, "may, back", "2008-05-02 09:00:00")})},
        {"nothing new", answer({}, {}, {})},
    };

    ArchiveSetup setup;
    nook::test::LinkPlainPages(setup.dir);
    ExpectedArchive expected;
    for (Step& step : steps) {
        SCOPED_TRACE(step.what);
        expected.Add(step.answer);
        ASSERT_EQ(setup.archive.StoreBackup(std::move(step.answer)).result, nook::kBackupSuccess);
        const std::string again = RenderEverythingAgain(setup, expected);

        nook::ArchiveState state;
        EXPECT_TRUE(nook::LoadArchiveState(setup.UserPath("Archive.xml"), state));
        EXPECT_EQ(state.pageVersion, nook::kPageVersion);
        EXPECT_TRUE(state.marks == setup.settings.User().marks);

        std::vector<std::string> files = {"BlogList.xml", "TwitterList.xml", "PhotoList.xml"};
        for (const auto& [id, entry] : expected.blogs)
            files.push_back(InMonthFolder(entry.time, std::to_string(id) + ".html"));
        std::set<std::string> monthsWithPosts;
        for (const auto& [id, post] : expected.posts)
            monthsWithPosts.insert(InMonthFolder(post.time, "TwitterList.html"));
        files.insert(files.end(), monthsWithPosts.begin(), monthsWithPosts.end());
        std::set<std::string> books;
        for (const auto& [id, entry] : expected.blogs)
            books.insert(std::to_string(nook::ArchiveMonthOf(entry.time).year) + "\\book.html");
        for (const auto& [id, post] : expected.posts)
            books.insert(std::to_string(nook::ArchiveMonthOf(post.time).year) + "\\book.html");
        files.insert(files.end(), books.begin(), books.end());
        for (const std::string& file : files) {
            const std::string written = ReadAll(setup.UserPath(file));
            EXPECT_FALSE(written.empty()) << file;
            EXPECT_EQ(written, ReadAll(again + file)) << file;
        }
        // A month whose posts all moved away keeps the page it had.
        for (const auto& [month, page] : expected.monthPages) {
            if (!monthsWithPosts.count(month)) {
                EXPECT_EQ(ReadAll(setup.UserPath(month)), page) << month;
            }
        }
        for (const std::string& month : monthsWithPosts)
            expected.monthPages[month] = ReadAll(setup.UserPath(month));
    }
    EXPECT_EQ(setup.archive.Twitters().size(), 6u);
    EXPECT_EQ(setup.archive.Photos().Entries().size(), 3u);
}

} // namespace
