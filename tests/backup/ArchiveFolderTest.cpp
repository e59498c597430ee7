// The archive in a folder of the user's choice (config.xml's <Archive Path>): a missing
// folder stops everything with the marks kept, an empty one gets a complete backup, and
// the folder carries its own copy of the templates.
#include "app/settings/SettingsStore.h"
#include "archive/Archive.h"
#include "archive/TemplateCopy.h"
#include "platform/Files.h"
#include "tests/backup/ArchiveTestSupport.h"
#include "tests/support/TestPaths.h"
#include "util/DirectoryPath.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

namespace {

using nook::CArchive;
using nook::CSettingsStore;
using nook::test::ReadAll;
using nook::test::ScratchDir;

// Where config.xml puts the archive.
enum class Named { Nothing, MissingFolder, EmptyFolder, FolderWithTheArchive };

// A program folder with templates and a user "mimi" whose marks say an archive exists.
struct ArchiveFolderSetup {
    explicit ArchiveFolderSetup(Named named, bool userFolderBesideProgram = true) {
        if (named != Named::Nothing) {
            root = ScratchDir() + "family\\";
            if (named != Named::MissingFolder) {
                EXPECT_TRUE(nook::MakeDirectoryPath(root));
            }
            if (named == Named::FolderWithTheArchive) {
                EXPECT_TRUE(nook::MakeDirectoryPath(root + "mimi\\"));
            }
            EXPECT_TRUE(platform::WriteFileAtomically(
                dir + "config.xml", "<Config><Archive Path=\"" + nook::CXmlDocument::AnsiToUtf8(root) + "\"/></Config>"));
        }
        if (userFolderBesideProgram) {
            EXPECT_TRUE(nook::MakeDirectoryPath(dir + "mimi\\"));
        }
        settings.LoadSettings();
        nook::test::SaveEarlierMarks(settings, "mimi");
    }
    nook::UserSettings SavedUser() const {
        CSettingsStore reread(dir);
        reread.LoadUserSettings("mimi");
        return reread.User();
    }

    std::string dir = nook::test::ProgramFolderWithTemplates();
    std::string root = dir;
    CSettingsStore settings{dir};
    nook::test::RecordingLog log;
    CArchive archive{dir, settings, &log};
};

struct PrepareCase {
    const char* name;
    Named named;
    bool userFolderBesideProgram;
    bool ready;
    bool marksBackToStart;
};

void PrintTo(const PrepareCase& c, std::ostream* os) { *os << c.name; }

const PrepareCase kPrepareCases[] = {
    {"BesideTheProgram", Named::Nothing, true, true, false},
    {"BesideTheProgramWithTheUserFolderGone", Named::Nothing, false, true, true},
    {"NamedFolderMissing", Named::MissingFolder, true, false, false},
    {"NamedFolderEmpty", Named::EmptyFolder, true, true, true},
    {"NamedFolderHoldingTheArchive", Named::FolderWithTheArchive, false, true, false},
};

class PrepareArchiveFolder : public ::testing::TestWithParam<PrepareCase> {};

TEST_P(PrepareArchiveFolder, KeepsOrResetsTheMarksAndNeverMakesTheFolder) {
    const PrepareCase& c = GetParam();
    ArchiveFolderSetup setup(c.named, c.userFolderBesideProgram);
    EXPECT_EQ(setup.archive.Root(), setup.root);
    EXPECT_EQ(setup.archive.PrepareArchiveFolder(), c.ready);
    EXPECT_EQ(platform::DirectoryExists(setup.root), c.named != Named::MissingFolder);
    const nook::UserSettings saved = setup.SavedUser();
    EXPECT_EQ(saved.lastBlogId, c.marksBackToStart ? 0 : 6);
    EXPECT_EQ(saved.lastCommentId, c.marksBackToStart ? 0 : 100);
    EXPECT_EQ(saved.lastTwitterId, c.marksBackToStart ? 0 : 29);
    EXPECT_EQ(saved.lastBackupTime, c.marksBackToStart ? nook::kFirstBackupTime : "2008-01-01 00:00:00");
    // A folder away from the program gets the templates its pages link to.
    if (c.ready && setup.root != setup.dir) {
        EXPECT_EQ(ReadAll(setup.root + "Templates\\BlogView.html"), ReadAll(setup.dir + "Templates\\BlogView.html"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PrepareArchiveFolder, ::testing::ValuesIn(kPrepareCases),
                         [](const auto& info) { return std::string(info.param.name); });

nook::BlogListAnswer OneDiary() {
    nook::BlogListAnswer answer;
    answer.result = nook::kBackupSuccess;
    nook::BlogEntry blog;
    blog.id = 7;
    blog.title = "first";
    blog.createTime = "2008-05-03 09:07:02";
    blog.content = "text";
    answer.blogs.push_back(blog);
    return answer;
}

TEST(StoreBackupInNamedFolder, WritesTheArchiveThereAndNothingBesideTheProgram) {
    ArchiveFolderSetup setup(Named::EmptyFolder, false);
    ASSERT_TRUE(setup.archive.PrepareArchiveFolder());
    EXPECT_EQ(setup.archive.StoreBackup(OneDiary()).result, nook::kBackupSuccess);
    EXPECT_TRUE(platform::FileExists(setup.root + "mimi\\BlogList.xml"));
    EXPECT_TRUE(platform::FileExists(setup.root + "mimi\\2008\\5\\7.html"));
    EXPECT_FALSE(platform::DirectoryExists(setup.dir + "mimi\\"));
    EXPECT_EQ(setup.SavedUser().lastBlogId, 7);
}

TEST(StoreBackupInNamedFolder, MissingFolderWritesNothingAndKeepsTheMarks) {
    ArchiveFolderSetup setup(Named::MissingFolder, false);
    EXPECT_EQ(setup.archive.StoreBackup(OneDiary()).result, nook::kBackupFailed);
    EXPECT_FALSE(platform::DirectoryExists(setup.root));
    EXPECT_FALSE(platform::DirectoryExists(setup.dir + "mimi\\"));
    EXPECT_EQ(setup.SavedUser().lastBlogId, 6);
}

// The disk was not connected when the archive was loaded: once it is back, a backup adds
// to the archive there instead of writing its indexes anew from what it brought alone.
TEST(StoreBackupInNamedFolder, FolderThatComesBackIsReadBeforeAnythingIsWritten) {
    ArchiveFolderSetup setup(Named::EmptyFolder, false);
    ASSERT_TRUE(setup.archive.PrepareArchiveFolder());
    nook::BlogListAnswer earlier = OneDiary();
    earlier.blogs.front().id = 5;
    ASSERT_EQ(setup.archive.StoreBackup(earlier).result, nook::kBackupSuccess);
    const std::string folder = setup.root.substr(0, setup.root.size() - 1), moved = folder + "-away";
    ASSERT_TRUE(platform::MoveFileReplacing(folder, moved));

    CArchive later(setup.dir, setup.settings, &setup.log);
    later.LoadArchive("mimi");
    EXPECT_FALSE(later.PrepareArchiveFolder());
    ASSERT_TRUE(platform::MoveFileReplacing(moved, folder));
    ASSERT_TRUE(later.PrepareArchiveFolder());
    EXPECT_EQ(later.Blogs().size(), 1u);
    ASSERT_EQ(later.StoreBackup(OneDiary()).result, nook::kBackupSuccess);
    EXPECT_EQ(later.Blogs().size(), 2u);
    CArchive reread(setup.dir, setup.settings, nullptr);
    reread.LoadArchive("mimi");
    EXPECT_EQ(reread.Blogs().size(), 2u);
}

TEST(RefreshTemplateCopy, CopiesWhatIsMissingOrDifferentAndKeepsTheRest) {
    const std::string from = ScratchDir(), to = ScratchDir();
    ASSERT_TRUE(nook::MakeDirectoryPath(from + "images\\mood\\"));
    ASSERT_TRUE(platform::WriteFileAtomically(from + "diary.css", "new style"));
    ASSERT_TRUE(platform::WriteFileAtomically(from + "same.html", "same"));
    ASSERT_TRUE(platform::WriteFileAtomically(from + "images\\mood\\1.gif", "GIF89a"));
    ASSERT_TRUE(platform::WriteFileAtomically(to + "diary.css", "old style"));
    ASSERT_TRUE(platform::WriteFileAtomically(to + "same.html", "same"));
    ASSERT_TRUE(platform::WriteFileAtomically(to + "mine.css", "the user's own"));

    EXPECT_TRUE(nook::RefreshTemplateCopy(from, to));
    EXPECT_EQ(ReadAll(to + "diary.css"), "new style");
    EXPECT_EQ(ReadAll(to + "same.html"), "same");
    EXPECT_EQ(ReadAll(to + "images\\mood\\1.gif"), "GIF89a");
    EXPECT_EQ(ReadAll(to + "mine.css"), "the user's own");
    EXPECT_FALSE(nook::RefreshTemplateCopy(from + "missing\\", to));
}

} // namespace
