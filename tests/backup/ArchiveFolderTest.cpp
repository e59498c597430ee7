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

// What the user file's marks are after the folder is prepared.
enum class Marks { Kept, BackToStart, TheArchives };

// Archive.xml of the user folder in the archive folder.
const char kStateWithMarks[] = "<Archive PageVersion=\"4\" FullBackupPending=\"0\" LastBlogID=\"3\" "
                               "LastCommentID=\"50\" LastTwitterID=\"10\" LastBackupTime=\"2007-06-01 00:00:00\"/>";
const char kStateWithoutMarks[] = "<Archive PageVersion=\"4\" FullBackupPending=\"0\"/>";

struct PrepareCase {
    const char* name;
    Named named;
    bool userFolderBesideProgram;
    const char* archiveState; // null: none
    bool ready;
    Marks marks;
};

void PrintTo(const PrepareCase& c, std::ostream* os) { *os << c.name; }

const PrepareCase kPrepareCases[] = {
    {"BesideTheProgram", Named::Nothing, true, nullptr, true, Marks::Kept},
    {"BesideTheProgramWithTheUserFolderGone", Named::Nothing, false, nullptr, true, Marks::BackToStart},
    {"NamedFolderMissing", Named::MissingFolder, true, nullptr, false, Marks::Kept},
    {"NamedFolderEmpty", Named::EmptyFolder, true, nullptr, true, Marks::BackToStart},
    {"NamedFolderHoldingTheArchive", Named::FolderWithTheArchive, false, nullptr, true, Marks::Kept},
    {"NamedFolderHoldingAnArchiveOfEarlierVersion", Named::FolderWithTheArchive, false, kStateWithoutMarks, true,
     Marks::Kept},
    // Another folder was backed up since this one: what came meanwhile is asked for again.
    {"NamedFolderHoldingAnArchiveWithItsOwnMarks", Named::FolderWithTheArchive, false, kStateWithMarks, true,
     Marks::TheArchives},
};

class PrepareArchiveFolder : public ::testing::TestWithParam<PrepareCase> {};

TEST_P(PrepareArchiveFolder, SetsTheMarksForTheFolderAndNeverMakesIt) {
    const PrepareCase& c = GetParam();
    ArchiveFolderSetup setup(c.named, c.userFolderBesideProgram);
    if (c.archiveState) {
        ASSERT_TRUE(platform::WriteFileAtomically(setup.root + "mimi\\Archive.xml", c.archiveState));
    }
    EXPECT_EQ(setup.archive.Root(), setup.root);
    EXPECT_EQ(setup.archive.PrepareArchiveFolder(), c.ready);
    EXPECT_EQ(platform::DirectoryExists(setup.root), c.named != Named::MissingFolder);
    nook::BackupMarks expected;
    if (c.marks == Marks::Kept) expected = {6, 100, 29, "2008-01-01 00:00:00"};
    if (c.marks == Marks::TheArchives) expected = {3, 50, 10, "2007-06-01 00:00:00"};
    const nook::BackupMarks saved = setup.SavedUser().marks;
    EXPECT_EQ(saved.lastBlogId, expected.lastBlogId);
    EXPECT_EQ(saved.lastCommentId, expected.lastCommentId);
    EXPECT_EQ(saved.lastTwitterId, expected.lastTwitterId);
    EXPECT_EQ(saved.lastBackupTime, expected.lastBackupTime);
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
    EXPECT_EQ(setup.SavedUser().marks.lastBlogId, 7);
}

TEST(StoreBackupInNamedFolder, MissingFolderWritesNothingAndKeepsTheMarks) {
    ArchiveFolderSetup setup(Named::MissingFolder, false);
    EXPECT_EQ(setup.archive.StoreBackup(OneDiary()).result, nook::kBackupFailed);
    EXPECT_FALSE(platform::DirectoryExists(setup.root));
    EXPECT_FALSE(platform::DirectoryExists(setup.dir + "mimi\\"));
    EXPECT_EQ(setup.SavedUser().marks.lastBlogId, 6);
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

// One start of the program with config.xml naming `folder`: the archive loaded, the
// folder prepared and `answer` stored. The diaries the user folder then holds.
size_t BackUpInto(const std::string& dir, const std::string& folder, nook::BlogListAnswer answer,
                  int32_t& markAsked) {
    EXPECT_TRUE(platform::WriteFileAtomically(dir + "config.xml",
                                              "<Config><LastUser Name=\"mimi\"/><Archive Path=\"" +
                                                  nook::CXmlDocument::AnsiToUtf8(folder) + "\"/></Config>"));
    CSettingsStore settings(dir);
    settings.LoadSettings();
    CArchive archive(dir, settings, nullptr);
    archive.LoadArchive("mimi");
    EXPECT_TRUE(archive.PrepareArchiveFolder());
    markAsked = settings.User().marks.lastBlogId;
    EXPECT_EQ(archive.StoreBackup(std::move(answer)).result, nook::kBackupSuccess);
    return archive.Blogs().size();
}

// The user file's marks are those of whichever folder was backed up last: a folder taken
// up again asks for what came while another was used, and so misses nothing.
TEST(StoreBackupInNamedFolder, FolderTakenUpAgainAsksForWhatCameMeanwhile) {
    ArchiveFolderSetup setup(Named::EmptyFolder, false);
    const std::string first = setup.root, second = ScratchDir() + "other\\";
    ASSERT_TRUE(nook::MakeDirectoryPath(second));
    auto diaries = [](std::vector<int32_t> ids) {
        nook::BlogListAnswer answer = OneDiary();
        answer.blogs.clear();
        for (int32_t id : ids) {
            answer.blogs.push_back(OneDiary().blogs.front());
            answer.blogs.back().id = id;
        }
        return answer;
    };
    int32_t asked = -1;
    EXPECT_EQ(BackUpInto(setup.dir, first, diaries({5}), asked), 1u);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(BackUpInto(setup.dir, second, diaries({5, 7}), asked), 2u);
    EXPECT_EQ(asked, 0); // a folder chosen anew gets everything
    EXPECT_EQ(BackUpInto(setup.dir, first, diaries({7}), asked), 2u);
    EXPECT_EQ(asked, 5);
    EXPECT_EQ(setup.SavedUser().marks.lastBlogId, 7);
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
