// NookBackup.exe itself: one copy at a time, and the unattended backup's exit codes.
// These tests hold the program's single-instance mutex and so run one at a time.
#include "ProgramFolder.h"
#include "ProgramProcess.h"
#include "Standin.h"
#include "UiWaits.h"
#include "archive/PhotoList.h"

#include <gtest/gtest.h>

#include <ostream>

namespace nook::test {
namespace {

using nook::CPhotoList;
using nook::PhotoEntry;
using nook::PhotoState;

constexpr DWORD kRunTimeoutMs = 90000;
constexpr DWORD kPhotosLeft = 5; // the exit code of a backup that left photos pending

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(NookBackupProgram, SecondCopyEndsSilentlyWhileTheFirstRuns) {
    CProgramFolder firstFolder("");
    CProgramProcess first(firstFolder.Path(), ""); // waits in its login window
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(WaitUntil([&] { return first.Window() != nullptr; }));

    // Had either run, it would have stored the command-line user at once.
    const std::string credentials = "/user tester /pass " + PasswordDigest("tester", "test123");
    const std::pair<std::string, DWORD> runs[] = {{credentials, 0}, {credentials + " /backup", 4}};
    for (const auto& [arguments, expectedCode] : runs) {
        SCOPED_TRACE(arguments);
        CProgramFolder secondFolder(StandinHost());
        CProgramProcess second(secondFolder.Path(), arguments);
        DWORD code = 0;
        ASSERT_TRUE(second.WaitForExit(kUiTimeoutMs, code)) << "the second copy kept running";
        EXPECT_EQ(code, expectedCode);
        EXPECT_FALSE(secondFolder.Exists("tester.xml"));
    }
    DWORD code = 0;
    EXPECT_FALSE(first.WaitForExit(0, code)) << "the first copy ended";
}

struct UnattendedCase {
    const char* name;
    const char* user;     // empty: no credentials at all
    const char* password; // plain; sent as its digest
    const char* listFault; // a failure of the list request for this user, or null
    DWORD exitCode;
};

void PrintTo(const UnattendedCase& c, std::ostream* os) { *os << c.name; }

class UnattendedBackupRun : public ::testing::TestWithParam<UnattendedCase> {};

TEST_P(UnattendedBackupRun, EndsByItselfWithTheExitCodeOfWhatHappened) {
    const UnattendedCase& c = GetParam();
    if (c.listFault) {
        std::string answer;
        ASSERT_TRUE(StandinAdmin(std::string("/admin/fault?mode=") + c.listFault + "&user=" + c.user + "&target=list",
                                 answer));
    }
    CProgramFolder folder(StandinHost());
    std::string arguments = "/backup";
    if (*c.user) arguments = std::string("/user ") + c.user + " /pass " + PasswordDigest(c.user, c.password) + " /backup";
    CProgramProcess program(folder.Path(), arguments);
    DWORD code = 0;
    ASSERT_TRUE(program.WaitForExit(kRunTimeoutMs, code)) << "the backup did not end by itself";
    EXPECT_EQ(code, c.exitCode);

    const bool backedUp = c.exitCode == 0 || c.exitCode == kPhotosLeft;
    EXPECT_EQ(folder.Exists(std::string(c.user) + "\\BlogList.xml"), backedUp && *c.user);
    if (backedUp && *c.user) {
        EXPECT_TRUE(Contains(folder.Read(std::string(c.user) + ".xml"), "LastBlogID=\"120\""));
        EXPECT_GT(folder.CountFiles(std::string(c.user) + "\\images"), 0);
        // Nothing new the second time: only the photos left are tried again, and fail again.
        CProgramProcess again(folder.Path(), "/backup");
        ASSERT_TRUE(again.WaitForExit(kRunTimeoutMs, code));
        EXPECT_EQ(code, kPhotosLeft);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, UnattendedBackupRun,
    // The tester family's diary 105 shows a photo the site has lost and one it fails to send.
    ::testing::Values(UnattendedCase{"BackedUpButForTwoPhotos", "tester", "test123", nullptr, kPhotosLeft},
                      UnattendedCase{"LoginFailed", "tester", "wrong", nullptr, 1},
                      UnattendedCase{"BackupFailed", "fault_other_cookie", "fault", "servererror", 2},
                      UnattendedCase{"NoCredentials", "", "", nullptr, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// The photo list of a program folder's user, as the program left it.
CPhotoList PhotoListOf(const CProgramFolder& folder, const std::string& user) {
    CPhotoList list;
    list.Load(folder.Path() + user + "\\PhotoList.xml");
    return list;
}

const PhotoEntry* EntryEndingWith(const CPhotoList& list, const std::string& end) {
    for (const PhotoEntry& entry : list.Entries())
        if (entry.url.size() >= end.size() && entry.url.compare(entry.url.size() - end.size(), end.size(), end) == 0)
            return &entry;
    return nullptr;
}

void Admin(const std::string& path) {
    std::string answer;
    ASSERT_TRUE(StandinAdmin(path, answer)) << path;
}

// Photos that failed stay pending, and the next run, with nothing new on the service,
// fetches them; an address written with "&amp;" in the diary is fetched decoded.
TEST(NookBackupProgram, PhotosThatFailedAreFetchedByTheNextRun) {
    Admin("/admin/fault?mode=notfound&target=photos");
    CProgramFolder folder(StandinHost());
    const std::string arguments = "/user tester /pass " + PasswordDigest("tester", "test123") + " /backup";
    DWORD code = 0;
    {
        CProgramProcess first(folder.Path(), arguments);
        ASSERT_TRUE(first.WaitForExit(kRunTimeoutMs, code));
    }
    Admin("/admin/fault?mode=none");
    EXPECT_EQ(code, kPhotosLeft);
    const CPhotoList before = PhotoListOf(folder, "tester");
    ASSERT_GE(before.Entries().size(), 12u);
    EXPECT_EQ(before.Count(PhotoState::Pending), before.Entries().size());
    EXPECT_EQ(folder.CountFiles("tester\\images"), 0);

    CProgramProcess second(folder.Path(), "/backup");
    ASSERT_TRUE(second.WaitForExit(kRunTimeoutMs, code));
    EXPECT_EQ(code, kPhotosLeft);
    const CPhotoList after = PhotoListOf(folder, "tester");
    EXPECT_EQ(after.Count(PhotoState::Pending), 2u); // diary 105's lost and broken photos
    EXPECT_EQ(after.Count(PhotoState::Stored), before.Entries().size() - 2);
    EXPECT_EQ(folder.CountFiles("tester\\images"), static_cast<int>(before.Entries().size() - 2));
    const PhotoEntry* query = EntryEndingWith(after, "110_4.jpg?size=l&v=2");
    ASSERT_NE(query, nullptr);
    EXPECT_EQ(query->state, PhotoState::Stored);
    EXPECT_EQ(EntryEndingWith(after, "missing-105.jpg")->lastError, "HTTP 404");
}

// A photo that never answers costs the configured silence and no more; the others are
// stored, and the silent one is left for the next run.
TEST(NookBackupProgram, SilentPhotoFailsAfterTheTimeoutWhileTheOthersAreStored) {
    CProgramFolder folder(StandinHost());
    folder.WriteConfig(StandinHost(), "", 0, "<Download Timeout=\"3\"/>");
    Admin("/admin/fault?mode=hang&target=photos&times=1");
    const DWORD start = GetTickCount();
    CProgramProcess program(folder.Path(),
                            "/user tester /pass " + PasswordDigest("tester", "test123") + " /backup");
    DWORD code = 0;
    ASSERT_TRUE(program.WaitForExit(kRunTimeoutMs, code)) << "the backup hung";
    Admin("/admin/fault?mode=none");
    EXPECT_EQ(code, kPhotosLeft);
    EXPECT_LT(GetTickCount() - start, 60000u);
    const CPhotoList list = PhotoListOf(folder, "tester");
    EXPECT_EQ(list.Count(PhotoState::Pending), 3u);
    size_t timedOut = 0;
    for (const PhotoEntry& entry : list.Entries())
        timedOut += entry.lastError == "timeout";
    EXPECT_EQ(timedOut, 1u);
    EXPECT_EQ(folder.CountFiles("tester\\images"), static_cast<int>(list.Entries().size() - 3));
}

} // namespace
} // namespace nook::test
