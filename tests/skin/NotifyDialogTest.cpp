#include "tests/skin/SkinTestSupport.h"
#include "dialogs/SkinResources.h"
#include "res/resource.h"
#include "skin/NotifyDialog.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using nook::CNotifyDialog;

// "提示", "您确认现在要退出备份程序吗？" in code page 936 and as UTF-16.
const char kTitle[] = "\xcc\xe1\xca\xbe";
const char kQuestion[] =
    "\xc4\xfa\xc8\xb7\xc8\xcf\xcf\xd6\xd4\xda\xd2\xaa\xcd\xcb\xb3\xf6\xb1\xb8\xb7\xdd\xb3\xcc"
    "\xd0\xf2\xc2\xf0\xa3\xbf";
const wchar_t kTitleWide[] = L"\u63d0\u793a";
const wchar_t kQuestionWide[] =
    L"\u60a8\u786e\u8ba4\u73b0\u5728\u8981\u9000\u51fa\u5907\u4efd\u7a0b\u5e8f\u5417\uff1f";

std::wstring Countdown(int seconds) {
    return L"\u5c06\u4e8e" + std::to_wstring(seconds) +
           L"\u79d2\u540e\u5f00\u59cb\u81ea\u52a8\u767b\u5f55...";
}

// Messages the test posts to itself while the dialog runs modally.
constexpr UINT kProbe = WM_APP + 1;      // records the countdown label
constexpr UINT kScreenshot = WM_APP + 2; // saves what the screen shows

struct Step {
    int control; // 0: the dialog itself
    UINT msg;
    WPARAM wParam;
};

const Step kTick{0, WM_TIMER, CNotifyDialog::kCountdownTimer};
const Step kRecord{0, kProbe, 0};

class DrivenNotifyDialog : public CNotifyDialog {
  public:
    DrivenNotifyDialog() : CNotifyDialog(nook::kNoticeSkin) {}

    std::vector<Step> script;
    std::string screenshotName;

    // What the dialog looked like once open.
    bool timerRan = false;
    bool cancelVisible = false;
    RECT okRect{}, closeRect{};
    SIZE size{};
    std::wstring message, titleLabel;
    std::vector<std::wstring> countdowns;
    std::string screenshot;

  protected:
    bool OnInitDialog() override {
        bool result = CNotifyDialog::OnInitDialog();
        // The real timer is stopped: the test ticks by itself, without waiting.
        timerRan = KillTimer(Hwnd(), kCountdownTimer) != FALSE;
        cancelVisible = (GetWindowLongPtrW(GetDlgItem(Hwnd(), IDCANCEL), GWL_STYLE) & WS_VISIBLE) != 0;
        okRect = ChildRect(IDOK);
        closeRect = ChildRect(IDC_CLOSE);
        RECT window;
        GetWindowRect(Hwnd(), &window);
        size = {window.right - window.left, window.bottom - window.top};
        message = nook::WindowText(GetDlgItem(Hwnd(), IDC_MESSAGE));
        titleLabel = nook::WindowText(FindWindowExW(Hwnd(), nullptr, L"Static", kTitleWide));
        SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        for (const Step& step : script) {
            HWND target = step.control ? GetDlgItem(Hwnd(), step.control) : Hwnd();
            PostMessageW(target, step.msg, step.wParam, 0);
        }
        return result;
    }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == kProbe) {
            countdowns.push_back(nook::WindowText(GetDlgItem(Hwnd(), IDC_COUNTDOWN)));
            return 0;
        }
        if (msg == kScreenshot) {
            // A modal dialog shows itself only once its queue is empty.
            ShowWindow(Hwnd(), SW_SHOWNOACTIVATE);
            RedrawWindow(Hwnd(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW |
                             RDW_ERASENOW);
            screenshot = nook::test::SaveScreenshot(Hwnd(), screenshotName);
            return 0;
        }
        return CNotifyDialog::WindowProc(msg, wParam, lParam);
    }

  private:
    RECT ChildRect(int id) const {
        RECT rect{};
        HWND child = GetDlgItem(Hwnd(), id);
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
};

struct NoticeCase {
    const char* name;
    int mode;
    std::vector<Step> script;
    INT_PTR result;
    std::vector<std::wstring> countdowns;
};

void PrintTo(const NoticeCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<Step> CountdownToTheEnd() {
    std::vector<Step> steps{kRecord, kTick, kRecord};
    for (int i = 2; i <= 9; ++i)
        steps.push_back(kTick);
    steps.push_back(kRecord); // after nine ticks the dialog is still open
    steps.push_back(kTick);   // the tenth
    steps.push_back(kRecord); // never runs
    return steps;
}

const NoticeCase kNoticeCases[] = {
    {"CountdownReadsTenThenNineAndEndsWith101AtTheTenthTick",
     CNotifyDialog::kCountdown,
     CountdownToTheEnd(),
     CNotifyDialog::kCountdownEnded,
     {Countdown(10), Countdown(9), Countdown(1)}},
    {"OkDuringTheCountdownEndsWith1",
     CNotifyDialog::kCountdown,
     {kTick, kTick, kRecord, {IDOK, BM_CLICK, 0}, kTick, kRecord},
     IDOK,
     {Countdown(8)}},
    {"CancelDuringTheCountdownEndsWith2",
     CNotifyDialog::kCountdown,
     {kTick, {IDCANCEL, BM_CLICK, 0}},
     IDCANCEL,
     {}},
    {"CloseButtonInModeOneEndsWith2",
     CNotifyDialog::kOk,
     {kRecord, {IDC_CLOSE, BM_CLICK, 0}},
     IDCANCEL,
     {L""}},
    {"OkInModeTwoEndsWith1", CNotifyDialog::kOkCancel, {kRecord, {IDOK, BM_CLICK, 0}}, IDOK, {L""}},
    {"EscapeEndsWith2", CNotifyDialog::kOkCancel, {{0, WM_COMMAND, IDCANCEL}}, IDCANCEL, {}},
};

class NotifyDialogTest : public testing::TestWithParam<NoticeCase> {};

TEST_P(NotifyDialogTest, EndsWithTheResultOfItsButtonOrCountdown) {
    DrivenNotifyDialog dialog;
    dialog.SetTitle(kTitle);
    dialog.SetMessage(kQuestion);
    dialog.SetMode(GetParam().mode);
    dialog.script = GetParam().script;
    EXPECT_EQ(dialog.DoModal(), GetParam().result);
    EXPECT_EQ(dialog.countdowns, GetParam().countdowns);
    EXPECT_EQ(dialog.timerRan, GetParam().mode == CNotifyDialog::kCountdown);
    EXPECT_EQ(dialog.message, kQuestionWide);
    EXPECT_EQ(dialog.titleLabel, kTitleWide);
}

INSTANTIATE_TEST_SUITE_P(Table, NotifyDialogTest, testing::ValuesIn(kNoticeCases),
                         [](const testing::TestParamInfo<NoticeCase>& info) {
                             return std::string(info.param.name);
                         });

struct LayoutCase {
    const char* name;
    int mode;
    bool cancelVisible;
    RECT ok;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

const LayoutCase kLayoutCases[] = {
    {"ModeOneShowsOkAloneInTheMiddle", CNotifyDialog::kOk, false, {129, 150, 191, 177}},
    {"ModeTwoShowsOkAndCancel", CNotifyDialog::kOkCancel, true, {82, 150, 144, 177}},
    {"ModeThreeShowsOkAndCancel", CNotifyDialog::kCountdown, true, {82, 150, 144, 177}},
};

class NotifyLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(NotifyLayoutTest, TakesTheShapeOfItsBitmapAndPlacesTheButtons) {
    DrivenNotifyDialog dialog;
    dialog.SetMode(GetParam().mode);
    dialog.script = {{0, WM_COMMAND, IDCANCEL}};
    dialog.DoModal();
    EXPECT_EQ(dialog.size.cx, 320);
    EXPECT_EQ(dialog.size.cy, 200);
    EXPECT_EQ(dialog.cancelVisible, GetParam().cancelVisible);
    EXPECT_TRUE(EqualRect(&dialog.okRect, &GetParam().ok));
    RECT close{290, 4, 316, 21};
    EXPECT_TRUE(EqualRect(&dialog.closeRect, &close));
}

INSTANTIATE_TEST_SUITE_P(Table, NotifyLayoutTest, testing::ValuesIn(kLayoutCases),
                         [](const testing::TestParamInfo<LayoutCase>& info) {
                             return std::string(info.param.name);
                         });

struct ScreenshotCase {
    const char* name;
    int mode;
    int ticks;
};

void PrintTo(const ScreenshotCase& c, std::ostream* os) {
    *os << c.name;
}

class NotifyScreenshotTest : public testing::TestWithParam<ScreenshotCase> {};

TEST_P(NotifyScreenshotTest, SavesWhatTheScreenShows) {
    DrivenNotifyDialog dialog;
    dialog.SetTitle(kTitle);
    dialog.SetMessage(kQuestion);
    dialog.SetMode(GetParam().mode);
    dialog.screenshotName = GetParam().name;
    for (int i = 0; i < GetParam().ticks; ++i)
        dialog.script.push_back(kTick);
    dialog.script.push_back({0, kScreenshot, 0});
    dialog.script.push_back({0, WM_COMMAND, IDCANCEL});
    dialog.DoModal();
    EXPECT_FALSE(dialog.screenshot.empty());
}

const ScreenshotCase kScreenshots[] = {
    {"notice_confirm", CNotifyDialog::kOkCancel, 0},
    {"notice_ok", CNotifyDialog::kOk, 0},
    {"notice_countdown", CNotifyDialog::kCountdown, 3},
};

INSTANTIATE_TEST_SUITE_P(Artefacts, NotifyScreenshotTest, testing::ValuesIn(kScreenshots),
                         [](const testing::TestParamInfo<ScreenshotCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
