// The login window on its own: what it shows, the empty-entry notice, and how it ends.
#include "dialogs/LoginDlg.h"
#include "res/resource.h"
#include "tests/backup_app/support/TestText.h"
#include "tests/backup_app/support/UiThread.h"
#include "tests/backup_app/support/UiWaits.h"

#include <gtest/gtest.h>

#include <ostream>

namespace nook::test {
namespace {

struct LoginRun {
    std::string userName, password;
    int rememberMe = 0;
};

// Runs a login window preset with `preset` on a user-interface thread; `drive` gets the
// window and acts on it; the result is the modal result, with the entries read back.
INT_PTR RunLogin(const LoginRun& preset, const std::function<void(HWND, DWORD)>& drive, LoginRun* entries = nullptr) {
    LoginRun read;
    CUiThread thread([&] {
        CLoginDlg login;
        login.SetUserName(preset.userName);
        login.SetRememberMe(preset.rememberMe);
        INT_PTR result = login.DoModal();
        read = {login.UserName(), login.Password(), login.RememberMe()};
        return result;
    });
    HWND window = WaitForDialogWith(thread.Id(), IDC_USER_NAME);
    EXPECT_NE(window, nullptr);
    if (window) drive(window, thread.Id());
    EXPECT_TRUE(thread.Join(kUiTimeoutMs));
    if (entries) *entries = read;
    return thread.Result();
}

TEST(LoginDialog, ShowsThePresetUserAndRememberMeButNeverAPassword) {
    INT_PTR result = RunLogin({"alice", "remembered", 1}, [](HWND login, DWORD) {
        EXPECT_EQ(ControlText(login, IDC_USER_NAME), "alice");
        EXPECT_EQ(ControlText(login, IDC_PASSWORD), "");
        EXPECT_EQ(IsDlgButtonChecked(login, IDC_REMEMBER), BST_CHECKED);
        EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(login, IDC_PASSWORD), GWL_STYLE) & ES_PASSWORD);
        PostClick(login, IDC_CLOSE);
    });
    EXPECT_EQ(result, IDCANCEL);
}

struct EmptyEntryCase {
    const char* name;
    const char* userName;
    const char* password;
};

void PrintTo(const EmptyEntryCase& c, std::ostream* os) { *os << c.name; }

class LoginDialogEmptyEntry : public ::testing::TestWithParam<EmptyEntryCase> {};

TEST_P(LoginDialogEmptyEntry, GivesTheNoticeAndKeepsTheWindowWithTheEntries) {
    const EmptyEntryCase& c = GetParam();
    INT_PTR result = RunLogin({}, [&](HWND login, DWORD thread) {
        SetControlText(login, IDC_USER_NAME, c.userName);
        SetControlText(login, IDC_PASSWORD, c.password);
        PostClick(login, IDC_LOGIN_SUBMIT);
        HWND notice = WaitForDialogWith(thread, IDC_COUNTDOWN);
        ASSERT_NE(notice, nullptr);
        EXPECT_EQ(ControlText(notice, IDC_MESSAGE), Gbk(u8"用户名和密码不能为空!"));
        EXPECT_FALSE(ControlVisible(notice, IDCANCEL));
        PostClick(notice, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(notice); }));
        EXPECT_TRUE(IsWindow(login));
        EXPECT_EQ(ControlText(login, IDC_USER_NAME), c.userName);
        EXPECT_EQ(ControlText(login, IDC_PASSWORD), c.password);
        PostClick(login, IDC_CLOSE);
    });
    EXPECT_EQ(result, IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(Entries, LoginDialogEmptyEntry,
                         ::testing::Values(EmptyEntryCase{"BlankUserName", "   ", "secret"},
                                           EmptyEntryCase{"EmptyPassword", "alice", ""},
                                           EmptyEntryCase{"BlankPassword", "alice", " \t "},
                                           EmptyEntryCase{"BothEmpty", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoginDialog, ValidEntriesEndWithOkAndComeBackWithoutSurroundingBlanks) {
    LoginRun entries;
    INT_PTR result = RunLogin(
        {"old", "", 0},
        [](HWND login, DWORD) {
            SetControlText(login, IDC_USER_NAME, Gbk(u8"  豆豆妈妈 "));
            SetControlText(login, IDC_PASSWORD, " doudou07 ");
            SendMessageW(GetDlgItem(login, IDC_REMEMBER), BM_SETCHECK, BST_CHECKED, 0);
            PostClick(login, IDC_LOGIN_SUBMIT);
        },
        &entries);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(entries.userName, Gbk(u8"豆豆妈妈"));
    EXPECT_EQ(entries.password, "doudou07");
    EXPECT_EQ(entries.rememberMe, 1);
}

TEST(LoginDialog, EscapeCancels) {
    INT_PTR result = RunLogin({"alice", "", 0}, [](HWND login, DWORD) {
        HWND edit = GetDlgItem(login, IDC_USER_NAME);
        PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(edit, WM_KEYUP, VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
}

} // namespace
} // namespace nook::test
