// NookBackup.exe itself: one copy at a time, and the unattended backup's exit codes.
// These tests hold the program's single-instance mutex and so run one at a time.
#include "ProgramFolder.h"
#include "ProgramProcess.h"
#include "Standin.h"
#include "UiWaits.h"

#include <gtest/gtest.h>

#include <ostream>

namespace nook::test {
namespace {

constexpr DWORD kRunTimeoutMs = 90000;

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

    const bool backedUp = c.exitCode == 0;
    EXPECT_EQ(folder.Exists(std::string(c.user) + "\\BlogList.xml"), backedUp && *c.user);
    if (backedUp && *c.user) {
        EXPECT_TRUE(Contains(folder.Read(std::string(c.user) + ".xml"), "LastBlogID=\"120\""));
        EXPECT_GT(folder.CountFiles(std::string(c.user) + "\\images"), 0);
        // Nothing new the second time: it ends with 0 and changes no mark.
        CProgramProcess again(folder.Path(), "/backup");
        ASSERT_TRUE(again.WaitForExit(kRunTimeoutMs, code));
        EXPECT_EQ(code, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, UnattendedBackupRun,
    ::testing::Values(UnattendedCase{"BackedUp", "tester", "test123", nullptr, 0},
                      UnattendedCase{"LoginFailed", "tester", "wrong", nullptr, 1},
                      UnattendedCase{"BackupFailed", "fault_other_cookie", "fault", "servererror", 2},
                      UnattendedCase{"NoCredentials", "", "", nullptr, 3}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nook::test
