// The main dialog against the stand-in service, driven by messages from the test thread
// while it runs on a user-interface thread of its own, as in the program.
#include "res/resource.h"
#include "tests/backup_app/support/ArchivistDlgSession.h"
#include "tests/backup_app/support/ProgramFolder.h"
#include "tests/backup_app/support/Standin.h"
#include "tests/backup_app/support/TestText.h"
#include "tests/backup_app/support/TextRecorder.h"
#include "tests/backup_app/support/UiWaits.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace nook::test {
namespace {

// The tester family of the stand-in service, from all-zero marks: 12 new diaries,
// 0 updated, 14 posts, 10 comments; the last ids of its lists are 120, 215 and 319.
const char kTesterCounts[] = u8"您有12篇新发表的日记，0篇有更新的日记，14条新迷你日记和10条新评论";
const char kLoggingIn[] = u8"正在登录，请稍候...";
const char kLoginFailed[] = u8"登录失败，请稍候再试！";
const char kBackingUp[] = u8"正在备份，请稍候...";
const char kDownloading[] = u8"正在下载日记中的照片，这可能需要一点时间，请稍候...";
// The tester family's diary 105 shows a photo the site has lost (404) and one it fails to
// send (500): both stay pending.
const char kTwoPhotosLeft[] = u8"还有 2 张照片没有下载成功，下次备份时会继续下载。";
const char kRefreshing[] = u8"正在从服务器获取信息，请稍候...";
const char kBackupFailed[] = u8"备份失败，请稍候再试！";
const char kNothingNew[] = u8"您目前没有需要备份的日记和评论";

constexpr DWORD kBackupTimeoutMs = 90000;

// The stages a status line went through: a photo pass's texts, which add its counts on a
// second line as photos come in, count as one.
std::vector<std::string> Stages(const std::vector<std::string>& texts) {
    const std::string downloading = Gbk(kDownloading);
    std::vector<std::string> stages;
    for (const std::string& text : texts) {
        const std::string stage = text.compare(0, downloading.size(), downloading) == 0 ? downloading : text;
        if (stages.empty() || stages.back() != stage) stages.push_back(stage);
    }
    return stages;
}

// Whether a photo pass showed its counts, from none of `total` handled on.
bool ShowedPhotoCounts(const std::vector<std::string>& texts, int total) {
    const std::string start = Gbk(kDownloading) + "\r\n" + Gbk(u8"已下载 0 / ") + std::to_string(total);
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& text) { return text.compare(0, start.size(), start) == 0; });
}

struct Buttons {
    bool login, backup, refresh, tree;
};

// Which action buttons show (each twin shows exactly when its button does not).
::testing::AssertionResult ShowsButtons(HWND main, Buttons expected) {
    const std::pair<int, int> twins[] = {
        {IDC_LOGIN, IDC_LOGIN_INACTIVE}, {IDC_BACKUP, IDC_BACKUP_INACTIVE}, {IDC_REFRESH, IDC_REFRESH_INACTIVE}};
    const bool wanted[] = {expected.login, expected.backup, expected.refresh};
    for (int i = 0; i < 3; ++i) {
        if (ControlVisible(main, twins[i].first) != wanted[i] || ControlVisible(main, twins[i].second) == wanted[i])
            return ::testing::AssertionFailure() << "button " << twins[i].first << " should be "
                                                 << (wanted[i] ? "active" : "inactive");
    }
    if (ControlEnabled(main, IDC_ARCHIVE_TREE) != expected.tree)
        return ::testing::AssertionFailure() << "tree should be " << (expected.tree ? "enabled" : "disabled");
    return ::testing::AssertionSuccess();
}

constexpr Buttons kLoggedOut{true, false, false, true};
constexpr Buttons kBusy{false, false, false, false};
constexpr Buttons kReady{false, false, true, true};
constexpr Buttons kReadyToBackUp{false, true, true, true};
constexpr Buttons kDoneState{false, false, true, true};

std::string Status(HWND main) { return ControlText(main, IDC_STATUS); }

int TreeCount(HWND main) {
    return static_cast<int>(SendMessageW(GetDlgItem(main, IDC_ARCHIVE_TREE), TVM_GETCOUNT, 0, 0));
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A folder whose config.xml names `user` as the last user, with that user remembered.
CProgramFolder RememberedUser(const StoredUser& user) {
    CProgramFolder folder(StandinHost());
    folder.WriteConfig(StandinHost(), user.name);
    folder.WriteUser(user);
    return folder;
}

// Closes unused the login window a dialog without remembered credentials opens with;
// `main` is the main window then.
void CloseFirstLogin(CArchivistDlgSession& session, HWND& main) {
    HWND login = session.WaitForLogin();
    ASSERT_NE(login, nullptr);
    PostClick(login, IDC_CLOSE);
    main = session.Main();
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(login); }));
}

TEST(ArchivistDlg, FirstStartWithoutSettingsAsksForLoginAndCancelLeavesOnlyLoginActive) {
    CProgramFolder folder("");
    CArchivistDlgSession session(folder);
    HWND login = session.WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(ControlText(login, IDC_USER_NAME), "");
    EXPECT_EQ(ControlText(login, IDC_PASSWORD), "");
    EXPECT_EQ(IsDlgButtonChecked(login, IDC_REMEMBER), BST_UNCHECKED);
    PostClick(login, IDC_CLOSE);

    HWND main = session.Main();
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(login); }));
    // The archive of no user: the two roots; the diary root selected shows that nothing is archived.
    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(u8"您还没有备份过日记到本地"))) << Status(main);
    EXPECT_TRUE(ShowsButtons(main, kLoggedOut));
    EXPECT_EQ(TreeCount(main), 2);
    EXPECT_FALSE(folder.Exists("config.xml"));
}

TEST(ArchivistDlg, RememberedCredentialsLogInAtOnceWithoutTheLoginWindow) {
    // Answered after three seconds, so the dialog is seen while it waits.
    CProgramFolder folder = RememberedUser({"fault_slow", "fault"});
    CArchivistDlgSession session(folder);
    HWND main = session.Main();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(kLoggingIn), 2500)) << Status(main);
    EXPECT_TRUE(ShowsButtons(main, kBusy));
    EXPECT_EQ(FindDialogWith(session.ThreadId(), IDC_USER_NAME), nullptr) << "the login window showed";

    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(kTesterCounts))) << Status(main);
    EXPECT_TRUE(ShowsButtons(main, kReadyToBackUp));
}

TEST(ArchivistDlg, BackupStoresPagesIndexesAndPhotosAdvancesTheMarksAndEndsAfterTheLastPhoto) {
    std::optional<CTextRecorder> recorder; // outlives nothing of the session it watches
    CProgramFolder folder = RememberedUser({"tester", "test123"});
    CArchivistDlgSession session(folder);
    HWND main = session.Main();
    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(kTesterCounts))) << Status(main);
    EXPECT_TRUE(ShowsButtons(main, kReadyToBackUp));

    recorder.emplace(GetDlgItem(main, IDC_STATUS));
    PostClick(main, IDC_BACKUP);
    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(kTwoPhotosLeft), kBackupTimeoutMs)) << Status(main);
    const std::vector<std::string> seen = Stages(recorder->Texts());
    const std::vector<std::string> expected = {Gbk(kBackingUp), Gbk(kDownloading), Gbk(kTwoPhotosLeft)};
    EXPECT_TRUE(std::search(seen.begin(), seen.end(), expected.begin(), expected.end()) != seen.end());
    EXPECT_TRUE(ShowedPhotoCounts(recorder->Texts(), 14));
    EXPECT_TRUE(ShowsButtons(main, kDoneState));
    EXPECT_FALSE(ControlVisible(main, IDC_PROGRESS));

    // Pages, indexes and photos, and the tree rebuilt from them.
    EXPECT_TRUE(folder.Exists("tester\\2007\\1\\101.html"));
    EXPECT_TRUE(folder.Exists("tester\\2008\\9\\120.html"));
    EXPECT_TRUE(folder.Exists("tester\\2008\\9\\TwitterList.html"));
    EXPECT_TRUE(Contains(folder.Read("tester\\BlogList.xml"), "Count=\"12\""));
    EXPECT_TRUE(Contains(folder.Read("tester\\TwitterList.xml"), "Count=\"14\""));
    EXPECT_GE(folder.CountFiles("tester\\images"), 10);
    EXPECT_GT(TreeCount(main), 2 + 12);
    const std::string settings = folder.Read("tester.xml");
    EXPECT_TRUE(Contains(settings, "LastBlogID=\"120\"")) << settings;
    EXPECT_TRUE(Contains(settings, "LastCommentID=\"215\"")) << settings;
    EXPECT_TRUE(Contains(settings, "LastTwitterID=\"319\"")) << settings;
    EXPECT_FALSE(Contains(settings, "2001-01-01")) << settings;

    // Refresh asks again with the new marks: nothing is new any more, so the photos left
    // pending are tried again at once.
    recorder.reset();
    recorder.emplace(GetDlgItem(main, IDC_STATUS));
    PostClick(main, IDC_REFRESH);
    const std::vector<std::string> again = {Gbk(kRefreshing), Gbk(kDownloading), Gbk(kTwoPhotosLeft)};
    EXPECT_TRUE(WaitUntil([&] { return Stages(recorder->Texts()) == again; }, kBackupTimeoutMs)) << Status(main);
    EXPECT_TRUE(ShowedPhotoCounts(recorder->Texts(), 2));
    EXPECT_TRUE(ShowsButtons(main, kDoneState));
}

struct LoginFailureCase {
    const char* name;
    StoredUser user;
};

void PrintTo(const LoginFailureCase& c, std::ostream* os) { *os << c.name; }

class ArchivistDlgLoginFailure : public ::testing::TestWithParam<LoginFailureCase> {};

TEST_P(ArchivistDlgLoginFailure, ShowsTheFailureAndOffersLoginAgain) {
    CProgramFolder folder = RememberedUser(GetParam().user);
    CArchivistDlgSession session(folder);
    HWND main = session.Main();
    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(kLoginFailed))) << Status(main);
    EXPECT_TRUE(ShowsButtons(main, kLoggedOut));
}

INSTANTIATE_TEST_SUITE_P(Results, ArchivistDlgLoginFailure,
                         ::testing::Values(LoginFailureCase{"RefusedPassword", {"tester", "wrong"}},
                                           LoginFailureCase{"HtmlErrorPage", {"fault_html", "fault"}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BackupFailureCase {
    const char* name;
    const char* user; // answered normally, except for its list request
    const char* mode; // how the list request fails
};

void PrintTo(const BackupFailureCase& c, std::ostream* os) { *os << c.name; }

class ArchivistDlgBackupFailure : public ::testing::TestWithParam<BackupFailureCase> {};

TEST_P(ArchivistDlgBackupFailure, KeepsTheMarksAndOffersBackupAgain) {
    const BackupFailureCase& c = GetParam();
    std::string answer;
    ASSERT_TRUE(StandinAdmin(std::string("/admin/fault?mode=") + c.mode + "&user=" + c.user + "&target=list", answer))
        << answer;
    CProgramFolder folder = RememberedUser({c.user, "fault"});
    CArchivistDlgSession session(folder);
    HWND main = session.Main();
    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(kTesterCounts))) << Status(main);
    PostClick(main, IDC_BACKUP);
    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(kBackupFailed), kBackupTimeoutMs)) << Status(main);
    EXPECT_TRUE(ShowsButtons(main, kReadyToBackUp));
    EXPECT_TRUE(Contains(folder.Read(std::string(c.user) + ".xml"), "LastBlogID=\"0\""));
    EXPECT_FALSE(folder.Exists(std::string(c.user) + "\\BlogList.xml"));
}

INSTANTIATE_TEST_SUITE_P(Results, ArchivistDlgBackupFailure,
                         ::testing::Values(BackupFailureCase{"TransferFailed", "fault_chunked", "servererror"},
                                           BackupFailureCase{"Refused", "fault_close", "refuse"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArchivistDlg, CommandLineCredentialsLogInAndAreRememberedKeepingTheServiceHost) {
    CProgramFolder folder(StandinHost());
    CArchivistDlgSession session(folder, {"tester", PasswordDigest("tester", "test123")});
    HWND main = session.Main();
    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(kTesterCounts))) << Status(main);
    EXPECT_EQ(FindDialogWith(session.ThreadId(), IDC_USER_NAME), nullptr) << "the login window showed";
    const std::string user = folder.Read("tester.xml");
    EXPECT_TRUE(Contains(user, "RememberMe=\"1\"")) << user;
    EXPECT_TRUE(Contains(user, "Password=\"" + PasswordDigest("tester", "test123") + "\"")) << user;
    const std::string config = folder.Read("config.xml");
    EXPECT_TRUE(Contains(config, "<LastUser Name=\"tester\"/>")) << config;
    EXPECT_TRUE(Contains(config, "Url=\"" + StandinHost() + "\"")) << config;
}

TEST(ArchivistDlg, LoginButtonLogsInANewUserAndStoresTheDigestNotThePassword) {
    CProgramFolder folder(StandinHost());
    CArchivistDlgSession session(folder);
    HWND main = nullptr;
    ASSERT_NO_FATAL_FAILURE(CloseFirstLogin(session, main));
    ASSERT_TRUE(WaitUntil([&] { return static_cast<bool>(ShowsButtons(main, kLoggedOut)); }));

    PostClick(main, IDC_LOGIN);
    HWND login = session.WaitForLogin();
    ASSERT_NE(login, nullptr);
    SetControlText(login, IDC_USER_NAME, "tester");
    SetControlText(login, IDC_PASSWORD, "test123");
    PostClick(login, IDC_LOGIN_SUBMIT);
    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(kTesterCounts))) << Status(main);
    const std::string user = folder.Read("tester.xml");
    EXPECT_TRUE(Contains(user, "RememberMe=\"0\"")) << user;
    EXPECT_TRUE(Contains(user, "Password=\"" + PasswordDigest("tester", "test123") + "\"")) << user;
    EXPECT_FALSE(Contains(user, "test123")) << user;
}

TEST(ArchivistDlg, UnusableUserNameIsRefusedWithItsReasonAndWritesNothing) {
    CProgramFolder folder(StandinHost());
    const std::string config = folder.Read("config.xml");
    CArchivistDlgSession session(folder);
    HWND login = session.WaitForLogin();
    ASSERT_NE(login, nullptr);
    SetControlText(login, IDC_USER_NAME, "tester.");
    SetControlText(login, IDC_PASSWORD, "test123");
    PostClick(login, IDC_LOGIN_SUBMIT);
    HWND main = session.Main();
    ASSERT_TRUE(WaitForText(main, IDC_STATUS, Gbk(u8"用户名中含有不能用作文件夹名的字符，无法保存备份。")))
        << Status(main);
    EXPECT_TRUE(ShowsButtons(main, kLoggedOut));
    EXPECT_EQ(TreeCount(main), 2);
    EXPECT_FALSE(folder.Exists("tester.xml"));
    EXPECT_EQ(folder.Read("config.xml"), config);
}

TEST(ArchivistDlg, ControlsWhoseStyleHasLowBitsAreDrawnOnWhite) {
    CProgramFolder folder("");
    CArchivistDlgSession session(folder);
    HWND main = nullptr;
    ASSERT_NO_FATAL_FAILURE(CloseFirstLogin(session, main));

    const auto brushFor = [main](int id) {
        HWND control = GetDlgItem(main, id);
        HDC dc = GetDC(control);
        LRESULT brush = SendMessageW(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(control));
        ReleaseDC(control, dc);
        return brush;
    };
    const auto white = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(brushFor(IDC_STATUS), white);        // centred
    EXPECT_NE(brushFor(IDC_TREE_FRAME), white);    // left-aligned
}

TEST(ArchivistDlg, EnterAndEscapeDoNothingAndCloseAsksFirst) {
    CProgramFolder folder("");
    CArchivistDlgSession session(folder);
    HWND main = nullptr;
    ASSERT_NO_FATAL_FAILURE(CloseFirstLogin(session, main));

    // What Enter and Escape send.
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(session.WaitForEnd(1000));
    EXPECT_EQ(FindDialogWith(session.ThreadId(), IDC_COUNTDOWN), nullptr);

    PostMessageW(main, WM_CLOSE, 0, 0);
    HWND notice = session.WaitForNotice();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(ControlText(notice, IDC_MESSAGE), Gbk(u8"您确认现在要退出备份程序吗？"));
    EXPECT_TRUE(ControlVisible(notice, IDCANCEL));
    PostClick(notice, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(notice); }));
    EXPECT_FALSE(session.WaitForEnd(1000));

    ASSERT_TRUE(session.CloseConfirmed());
    EXPECT_EQ(session.ExitCode(), 0);
}

} // namespace
} // namespace nook::test
