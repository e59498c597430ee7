#include "tests/framework/TestDialogs.h"
#include "framework/Dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Records what reaches the object, in order.
class RecordingButton : public nook::CWindow {
  public:
    explicit RecordingButton(std::vector<std::string>& log) : log_(log) {}

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_USER) log_.push_back("user");
        return CWindow::WindowProc(msg, wParam, lParam);
    }
    void OnSubclassed() override { log_.push_back("subclassed"); }
    bool DrawItem(const DRAWITEMSTRUCT&) override {
        log_.push_back("draw");
        return true;
    }
    void OnFinalMessage() override { log_.push_back("final"); }

  private:
    std::vector<std::string>& log_;
};

class WindowTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create()); }
    HWND Button() const { return GetDlgItem(dialog.Hwnd(), IDC_PLAIN_BUTTON); }
    nook::CDialog dialog{IDD_EXCHANGE};
    std::vector<std::string> log;
};

TEST_F(WindowTest, SubclassedControlReceivesItsMessagesUntilDestroyed) {
    RecordingButton button(log);
    ASSERT_TRUE(button.SubclassDlgItem(IDC_PLAIN_BUTTON, dialog.Hwnd()));
    EXPECT_EQ(nook::CWindow::FromHandle(Button()), &button);
    SendMessageW(Button(), WM_USER, 0, 0);
    DestroyWindow(Button());
    EXPECT_EQ(button.Hwnd(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"subclassed", "user", "final"}));
}

TEST_F(WindowTest, ControlCannotBeBoundTwice) {
    RecordingButton first(log), second(log);
    ASSERT_TRUE(first.SubclassDlgItem(IDC_PLAIN_BUTTON, dialog.Hwnd()));
    EXPECT_FALSE(second.SubclassDlgItem(IDC_PLAIN_BUTTON, dialog.Hwnd()));
    EXPECT_FALSE(second.SubclassDlgItem(9999, dialog.Hwnd()));
}

TEST_F(WindowTest, ObjectGoneBeforeItsWindowRestoresTheOldProcedure) {
    LONG_PTR original = GetWindowLongPtrW(Button(), GWLP_WNDPROC);
    {
        RecordingButton button(log);
        ASSERT_TRUE(button.SubclassDlgItem(IDC_PLAIN_BUTTON, dialog.Hwnd()));
        EXPECT_NE(GetWindowLongPtrW(Button(), GWLP_WNDPROC), original);
    }
    EXPECT_EQ(GetWindowLongPtrW(Button(), GWLP_WNDPROC), original);
    EXPECT_EQ(nook::CWindow::FromHandle(Button()), nullptr);
    SendMessageW(Button(), WM_USER, 0, 0); // reaches no dead object
    EXPECT_EQ(log, (std::vector<std::string>{"subclassed"}));
}

TEST_F(WindowTest, OwnerDrawIsHandedToTheControlObject) {
    LONG_PTR style = GetWindowLongPtrW(Button(), GWL_STYLE);
    SetWindowLongPtrW(Button(), GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
    RecordingButton button(log);
    ASSERT_TRUE(button.SubclassDlgItem(IDC_PLAIN_BUTTON, dialog.Hwnd()));
    ShowWindow(dialog.Hwnd(), SW_SHOWNOACTIVATE);
    RedrawWindow(Button(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_NE(std::find(log.begin(), log.end(), "draw"), log.end());
}

// A window that destroys itself while handling a message, then still uses its members.
class SelfDestroyingWindow : public nook::CWindow {
  public:
    std::vector<std::string> log;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_USER) {
            DestroyWindow(Hwnd());
            log.push_back("handler done");
            return 0;
        }
        return CWindow::WindowProc(msg, wParam, lParam);
    }
    void OnFinalMessage() override { log.push_back("final"); }
};

TEST(Window, FinalMessageWaitsForTheOutermostHandler) {
    SelfDestroyingWindow window;
    RECT rect{0, 0, 10, 10};
    nook::CDialog parent{IDD_EXCHANGE};
    ASSERT_TRUE(parent.Create());
    ASSERT_TRUE(window.CreateChild(parent.Hwnd(), 77, rect, WS_VISIBLE));
    HWND hwnd = window.Hwnd();
    EXPECT_EQ(GetDlgItem(parent.Hwnd(), 77), hwnd);
    SendMessageW(hwnd, WM_USER, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(window.log, (std::vector<std::string>{"handler done", "final"}));
}

TEST(Window, TextIsCodePage936) {
    nook::CDialog dialog{IDD_EXCHANGE};
    ASSERT_TRUE(dialog.Create());
    dialog.SetText("\xcc\xe1\xca\xbe"); // "提示"
    wchar_t buffer[16] = {};
    GetWindowTextW(dialog.Hwnd(), buffer, 16);
    EXPECT_STREQ(buffer, L"\u63d0\u793a");
    EXPECT_EQ(dialog.GetText(), "\xcc\xe1\xca\xbe");
}

TEST(Window, RegisteredMessageIsStableForOneName) {
    UINT first = nook::RegisterMessage("Brindle_ScreenSaver_Config");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(nook::RegisterMessage("Brindle_ScreenSaver_Config"), first);
    EXPECT_NE(nook::RegisterMessage("Another_Message"), first);
}

} // namespace
