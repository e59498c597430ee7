#include "tests/framework/TestDialogs.h"
#include "framework/ActiveXHost.h"
#include "framework/Dialog.h"
#include "framework/OleSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const CLSID kWebBrowser = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
const CLSID kFlashPlayer = {0xD27CDB6E, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
constexpr DISPID kNavigate = 104;
constexpr DISPID kSilent = 551;
constexpr DISPID kBeforeNavigate2 = 250;
constexpr DISPID kNavigateError = 271;

class RecordingHost : public nook::CActiveXHost {
  public:
    std::vector<DISPID> events;

  protected:
    void OnEvent(DISPID id, DISPPARAMS&) override { events.push_back(id); }
};

class ActiveXHostTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ole.Ok());
        ASSERT_TRUE(dialog.Create());
    }
    // Runs the message loop until `host` has seen `event`, or for `ms` at most.
    static bool PumpUntilEvent(const RecordingHost& host, DISPID event, DWORD ms) {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            if (std::find(host.events.begin(), host.events.end(), event) != host.events.end()) return true;
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(10);
        }
        return false;
    }
    nook::COleSession ole;
    nook::CDialog dialog{IDD_EXCHANGE};
};

TEST_F(ActiveXHostTest, WebBrowserTakesThePlaceholdersPlaceAndNavigates) {
    HWND placeholder = GetDlgItem(dialog.Hwnd(), IDC_VIEW);
    RECT expected;
    GetWindowRect(placeholder, &expected);

    RecordingHost host;
    ASSERT_EQ(host.CreateInPlaceOf(kWebBrowser, dialog.Hwnd(), IDC_VIEW), S_OK);
    EXPECT_FALSE(IsWindow(placeholder));
    EXPECT_EQ(GetDlgItem(dialog.Hwnd(), IDC_VIEW), host.Hwnd());
    RECT actual;
    GetWindowRect(host.Hwnd(), &actual);
    EXPECT_TRUE(EqualRect(&actual, &expected));

    EXPECT_EQ(host.PutProperty(kSilent, nook::CVariant::Int(1)), S_OK);

    std::vector<nook::CVariant> args;
    // A page that is not there, as after a diary file was deleted by hand.
    args.push_back(nook::CVariant::Text("C:\\nook-missing\\2008\\3\\1.html"));
    for (int i = 0; i < 4; ++i)
        args.emplace_back();
    EXPECT_EQ(host.CallMethod(kNavigate, std::move(args)), S_OK);
    // The event sink is connected: the navigation announces itself and then fails.
    EXPECT_TRUE(PumpUntilEvent(host, kNavigateError, 5000));
    EXPECT_NE(std::find(host.events.begin(), host.events.end(), kBeforeNavigate2), host.events.end());

    // The optional arguments may also be left out altogether.
    std::vector<nook::CVariant> urlOnly;
    urlOnly.push_back(nook::CVariant::Text("C:\\nook-missing\\other.html"));
    EXPECT_EQ(host.CallMethod(kNavigate, std::move(urlOnly)), S_OK);

    host.Destroy();
    EXPECT_EQ(GetDlgItem(dialog.Hwnd(), IDC_VIEW), nullptr);
    EXPECT_FALSE(host.HasControl());
}

TEST_F(ActiveXHostTest, ClassThatIsNotInstalledFailsAndLeavesThePlaceholder) {
    HWND placeholder = GetDlgItem(dialog.Hwnd(), IDC_VIEW);
    RecordingHost host;
    EXPECT_EQ(host.CreateInPlaceOf(kFlashPlayer, dialog.Hwnd(), IDC_VIEW), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(host.Hwnd(), nullptr);
    EXPECT_FALSE(host.HasControl());
    EXPECT_EQ(GetDlgItem(dialog.Hwnd(), IDC_VIEW), placeholder);
    EXPECT_EQ(host.PutProperty(123, nook::CVariant::Int(0)), E_UNEXPECTED);
    EXPECT_EQ(host.CallMethod(142, {}), E_UNEXPECTED);
    // Exactly the template's children are left: nothing stray from the attempt.
    int children = 0;
    for (HWND c = GetWindow(dialog.Hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, 6);
}

TEST_F(ActiveXHostTest, MissingPlaceholderIsAnError) {
    RecordingHost host;
    EXPECT_EQ(host.CreateInPlaceOf(kWebBrowser, dialog.Hwnd(), 9999), E_INVALIDARG);
    EXPECT_EQ(host.Hwnd(), nullptr);
}

} // namespace
