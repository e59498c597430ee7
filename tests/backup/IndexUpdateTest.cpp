// The index page, the search data and the comment counts as backups keep them: only the
// years a backup changes are written, and after every backup all of it is what writing
// everything from the records makes.
#include "archive/IndexUpdate.h"

#include "tests/backup/ArchiveTestSupport.h"
#include "tests/support/TestPaths.h"
#include "app/settings/SettingsStore.h"
#include "archive/Archive.h"
#include "archive/ImageLocaliser.h"
#include "archive/PageRenderer.h"
#include "platform/Files.h"
#include "util/DirectoryPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace nook {
namespace {

using test::ReadAll;

const char kUntouched[] = "untouched";

BlogEntry Diary(int32_t id, const std::string& created, const std::string& content = "text") {
    BlogEntry blog;
    blog.id = id;
    blog.title = "diary " + std::to_string(id);
    blog.createTime = created;
    blog.content = content;
    return blog;
}

CommentEntry Said(int32_t id, int32_t blogId, const std::string& content) {
    CommentEntry comment;
    comment.id = id;
    comment.blogId = blogId;
    comment.content = content;
    return comment;
}

TwitterEntry Post(int32_t id, const std::string& created, const std::string& content = "post") {
    TwitterEntry post;
    post.id = id;
    post.createTime = created;
    post.content = content;
    return post;
}

BlogListAnswer Answer(std::vector<BlogEntry> blogs, std::vector<CommentEntry> comments = {},
                      std::vector<TwitterEntry> posts = {}) {
    BlogListAnswer answer;
    answer.result = kBackupSuccess;
    answer.blogs = std::move(blogs);
    answer.comments = std::move(comments);
    answer.twitters = std::move(posts);
    return answer;
}

struct IndexSetup {
    std::string dir = test::ProgramFolderWithTemplates();
    CSettingsStore settings{dir};
    CArchive archive{dir, settings, nullptr};
    CArchivePaths paths{dir, "mimi"};

    IndexSetup() { settings.User().userName = "mimi"; }

    std::string YearFile(int year) const { return paths.SearchDataPath(year); }
    std::set<int> YearsWithFiles() const {
        std::set<int> years;
        for (int year = 2000; year <= 2020; ++year)
            if (platform::FileExists(YearFile(year))) years.insert(year);
        return years;
    }
    // Every file of the index pages, by path.
    std::map<std::string, std::string> IndexFiles() const {
        std::map<std::string, std::string> files = {{paths.IndexPagePath(), ReadAll(paths.IndexPagePath())},
                                                    {paths.CommentCountsPath(), ReadAll(paths.CommentCountsPath())}};
        for (int year : YearsWithFiles())
            files[YearFile(year)] = ReadAll(YearFile(year));
        return files;
    }
    // What writing everything from the records makes, in place of what is there.
    std::map<std::string, std::string> WrittenFromTheRecords() {
        CPhotoList photos;
        CImageLocaliser localiser(photos);
        CPageRenderer renderer(paths, localiser, nullptr);
        const CPhotoList& kept = archive.Photos();
        EXPECT_TRUE(UpdateIndexPages(paths, archive.Blogs(), archive.Twitters(),
                                     kept.Count(PhotoState::Stored) + kept.Count(PhotoState::Pending),
                                     AllOfTheIndex(), renderer));
        EXPECT_TRUE(platform::FlushDeferredWrites(paths.UserFolder()));
        return IndexFiles();
    }
};

// A backup writes the search data of the years its diaries, comments and posts were or
// are filed under, and no other; the index page whenever it changed anything.
TEST(IndexUpdate, OnlyTheYearsABackupChangesAreWrittenAndAllIsAsFromTheRecords) {
    struct Step {
        const char* what;
        BlogListAnswer answer;
        std::set<int> written;
        bool indexWritten;
    } steps[] = {
        {"a first backup",
         Answer({Diary(1, "2006-03-01 10:00:00"), Diary(2, "2007-04-01 10:00:00"), Diary(3, "2008-05-01 10:00:00"),
                 Diary(4, "2008-06-01 10:00:00")},
                {Said(101, 1, "nice"), Said(102, 3, "<b>wet</b>")},
                {Post(30, "2007-04-02 09:00:00"), Post(31, "2008-05-02 09:00:00")}),
         {2006, 2007, 2008},
         true},
        {"a comment on a diary of 2006", Answer({}, {Said(103, 1, "still nice")}), {2006}, true},
        {"a post of 2008", Answer({}, {}, {Post(32, "2008-07-01 08:00:00", "july")}), {2008}, true},
        {"a diary of 2007 updated", Answer({Diary(2, "2007-04-01 10:00:00", "<p>updated</p>")}), {2007}, true},
        {"a diary moved from 2006 to 2009", Answer({Diary(1, "2009-01-01 10:00:00")}), {2006, 2009}, true},
        {"a post moved from 2007 to 2008", Answer({}, {}, {Post(30, "2008-08-01 09:00:00")}), {2007, 2008}, true},
        {"nothing new", Answer({}), {}, false},
        {"a comment on a diary not in the archive", Answer({}, {Said(104, 99, "early")}), {}, false},
        {"that diary arrives", Answer({Diary(99, "2008-09-01 10:00:00")}), {2008}, true},
        {"a new year", Answer({Diary(5, "2010-01-01 10:00:00")}, {Said(105, 3, "and 2008")}), {2008, 2010}, true},
    };

    IndexSetup setup;
    for (Step& step : steps) {
        SCOPED_TRACE(step.what);
        // What must not be written is marked; the mark stays only where nothing was written.
        std::map<std::string, std::string> before = setup.IndexFiles();
        for (auto& [path, text] : before) {
            const bool yearWritten = std::any_of(step.written.begin(), step.written.end(),
                                                 [&](int year) { return path == setup.YearFile(year); });
            const bool indexFile = path == setup.paths.IndexPagePath() || path == setup.paths.CommentCountsPath();
            if (indexFile ? !step.indexWritten : !yearWritten) {
                ASSERT_TRUE(platform::WriteFileAtomically(path, kUntouched));
            }
        }
        ASSERT_EQ(setup.archive.StoreBackup(std::move(step.answer)).result, kBackupSuccess);
        std::map<std::string, std::string> after = setup.IndexFiles();
        for (auto& [path, text] : after) {
            if (text != kUntouched) continue;
            EXPECT_TRUE(before.count(path)) << path << " was not written";
            ASSERT_TRUE(platform::WriteFileAtomically(path, before[path]));
            text = before[path];
        }
        for (int year : step.written)
            EXPECT_NE(after[setup.YearFile(year)], kUntouched) << year;
        EXPECT_NE(after[setup.paths.IndexPagePath()], "");

        const std::map<std::string, std::string> everything = setup.WrittenFromTheRecords();
        EXPECT_EQ(after, everything);
    }
    EXPECT_EQ(setup.YearsWithFiles(), (std::set<int>{2006, 2007, 2008, 2009, 2010}));
    // A year whose items all left it keeps an empty file and is not searched.
    EXPECT_EQ(ReadAll(setup.YearFile(2006)),
              "// NookBackup's search data of 2006 for index.html: one diary or mini-diary post a line.\n"
              "NookSearchYear(2006, [\n]);\n");
    EXPECT_NE(ReadAll(setup.paths.IndexPagePath()).find("years=2010 2009 2008 2007\r\n"), std::string::npos);
}

// Search data, counts or the page lost from the disk are written again by the next backup.
TEST(IndexUpdate, LostFilesAreWrittenAgain) {
    IndexSetup setup;
    ASSERT_EQ(setup.archive
                  .StoreBackup(Answer({Diary(1, "2006-03-01 10:00:00"), Diary(2, "2007-04-01 10:00:00")},
                                      {Said(101, 1, "nice"), Said(102, 2, "fine")}, {Post(30, "2007-04-02 09:00:00")}))
                  .result,
              kBackupSuccess);
    const std::map<std::string, std::string> complete = setup.IndexFiles();
    for (const std::string& lost :
         {setup.YearFile(2006), setup.YearFile(2007), setup.paths.CommentCountsPath(), setup.paths.IndexPagePath()}) {
        SCOPED_TRACE(lost);
        ASSERT_TRUE(platform::RemoveFile(lost));
        // A backup that changes nothing of the index pages still brings them back.
        ASSERT_EQ(setup.archive.StoreBackup(Answer({}, {Said(200, 99, "elsewhere")})).result, kBackupSuccess);
        EXPECT_EQ(setup.IndexFiles(), complete);
    }
    // A year file that is not as written is written anew, not patched.
    ASSERT_TRUE(platform::WriteFileAtomically(setup.YearFile(2006), "NookSearchYear(2006, [\n{k:\"d\",id:1,"));
    ASSERT_EQ(setup.archive.StoreBackup(Answer({}, {Said(103, 1, "again")})).result, kBackupSuccess);
    EXPECT_EQ(setup.IndexFiles(), setup.WrittenFromTheRecords());
}

// A file of the index pages that cannot be written fails the backup before the marks
// move; the same answer fetched again completes it.
TEST(IndexUpdate, AFailedWriteKeepsTheMarks) {
    for (const char* obstacle : {"search-2008.js", "index.html", "CommentCounts.xml"}) {
        SCOPED_TRACE(obstacle);
        IndexSetup setup;
        ASSERT_EQ(setup.archive.StoreBackup(Answer({Diary(3, "2008-05-01 10:00:00")}, {Said(101, 3, "a")})).result,
                  kBackupSuccess);
        ASSERT_TRUE(MakeDirectoryPath(setup.paths.UserFolder() + obstacle + ".tmp~"));
        auto answer = [] { return Answer({Diary(4, "2008-06-01 10:00:00")}, {Said(102, 3, "b")}); };
        EXPECT_EQ(setup.archive.StoreBackup(answer()).result, kBackupFailed);
        EXPECT_EQ(setup.settings.User().marks.lastCommentId, 101);

        ASSERT_TRUE(test::RemoveEmptyFolder(setup.paths.UserFolder() + obstacle + ".tmp~"));
        CSettingsStore settings(setup.dir);
        settings.LoadSettings();
        settings.LoadUserSettings("mimi");
        CArchive again(setup.dir, settings, nullptr);
        ASSERT_TRUE(again.LoadArchive("mimi"));
        EXPECT_EQ(again.StoreBackup(answer()).result, kBackupSuccess);
        EXPECT_EQ(settings.User().marks.lastCommentId, 102);
        EXPECT_NE(ReadAll(setup.YearFile(2008)).find("id:4,"), std::string::npos);
        EXPECT_NE(ReadAll(setup.paths.CommentCountsPath()).find("<Blog id=\"3\" comments=\"2\"/>"), std::string::npos);
    }
}

// An archive rendered by the layout before the index page gets it, and all its search
// data, once, from its records.
TEST(IndexUpdate, AnArchiveFromBeforeGetsItAllThroughThePageUpgrade) {
    IndexSetup setup;
    ASSERT_EQ(setup.archive
                  .StoreBackup(Answer({Diary(1, "2006-03-01 10:00:00"), Diary(3, "2008-05-01 10:00:00")},
                                      {Said(101, 1, "nice")}, {Post(30, "2007-04-02 09:00:00")}))
                  .result,
              kBackupSuccess);
    const std::map<std::string, std::string> complete = setup.IndexFiles();
    for (const auto& [path, text] : complete)
        ASSERT_TRUE(platform::RemoveFile(path));
    ASSERT_TRUE(platform::WriteFileAtomically(setup.paths.ArchiveStatePath(),
                                              "<Archive PageVersion=\"3\" FullBackupPending=\"0\"/>"));

    CArchive loaded(setup.dir, setup.settings, nullptr);
    ASSERT_TRUE(loaded.LoadArchive("mimi"));
    ASSERT_TRUE(loaded.NeedsPageUpgrade());
    EXPECT_TRUE(loaded.UpgradePages());
    EXPECT_EQ(setup.IndexFiles(), complete);
    EXPECT_FALSE(loaded.NeedsPageUpgrade());
}

// However hostile the diaries, the search data stay ASCII script that no markup can end.
TEST(IndexUpdate, SearchDataOfARealAnswerAreAsciiWithoutMarkup) {
    IndexSetup setup;
    ASSERT_EQ(setup.archive.StoreBackup(ParseBlogListAnswer(test::BackupFixture("list_answer.xml"))).result,
              kBackupSuccess);
    const std::set<int> years = setup.YearsWithFiles();
    EXPECT_EQ(years, (std::set<int>{2007, 2008}));
    for (int year : years) {
        const std::string text = ReadAll(setup.YearFile(year));
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c > 0 && c < 0x7F; })) << year;
        // The header's "//" aside, nothing that could end or open markup.
        EXPECT_EQ(text.find('<'), std::string::npos) << year;
        EXPECT_EQ(text.find('>'), std::string::npos) << year;
    }
}

} // namespace
} // namespace nook
