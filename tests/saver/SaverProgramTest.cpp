// NookSS.scr as the system starts it: configuring hands over to the desktop suite,
// full screen and preview play the stage, which leaves on input in full screen only.
// The screenshot of the stage in full screen lands beside this test program.
#include "platform/Files.h"
#include "tests/saver/SaverProcess.h"
#include "tests/saver/SaverTestFiles.h"
#include "tests/saver/ScreenCapture.h"
#include "tests/saver/StandInWindow.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using nook::test::CSaverProcess;
using nook::test::CStandInWindow;
using nook::test::PumpUntil;
using nook::test::ReadAll;

constexpr DWORD kStartMs = 20000;
constexpr DWORD kExitMs = 15000;
// Time for a few frames of the stage's animation.
constexpr DWORD kSettleMs = 1500;

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
           "x" + std::to_string(r.bottom - r.top);
}

// The movie control of a player window, once the player has placed it and loaded the
// movie: the player's title (the plug-in's name) is set just before the movie loads.
HWND WaitForStage(HWND player) {
    PumpUntil([player] { return GetWindowTextLengthW(player) > 0; }, kStartMs);
    return GetDlgItem(player, 1000);
}

// An installed suite: <scratch>\Hearthtop.exe (the stand-in) and <scratch>\NookSS\.
class SaverProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        suiteDir_ = nook::test::ScratchDir();
        saverDir_ = nook::test::InstallSaver(suiteDir_);
        ASSERT_TRUE(platform::CopyFileTo(nook::test::StandInSuite(), suiteDir_ + "Hearthtop.exe", true));
    }
    std::string Saver() const { return saverDir_ + "NookSS.scr"; }
    std::string SuiteRecord() const { return suiteDir_ + "Hearthtop.args"; }

    std::string suiteDir_;
    std::string saverDir_;
};

TEST_F(SaverProgram, ConfigureSendsTheRegisteredMessageToARunningSuite) {
    CStandInWindow suite(L"Brindle_DesktopSuite");
    suite.Expect(RegisterWindowMessageW(L"Brindle_ScreenSaver_Config"));
    CSaverProcess saver(Saver(), "/c:1234");
    ASSERT_TRUE(saver.WaitForExit(kExitMs));
    EXPECT_TRUE(PumpUntil([&] { return suite.Received() > 0; }, kExitMs));
    EXPECT_EQ(suite.LastWParam(), 0u);
    EXPECT_EQ(suite.LastLParam(), 0);
    EXPECT_FALSE(platform::FileExists(SuiteRecord())) << "the suite program must not be started as well";
}

TEST_F(SaverProgram, ConfigureStartsTheSuiteProgramOneFolderUp) {
    CSaverProcess saver(Saver(), "");
    ASSERT_TRUE(saver.WaitForExit(kExitMs));
    EXPECT_TRUE(PumpUntil([&] { return platform::FileExists(SuiteRecord()); }, kExitMs));
    EXPECT_TRUE(PumpUntil([&] { return ReadAll(SuiteRecord()) == "/ssconfig"; }, kExitMs))
        << ReadAll(SuiteRecord());
}

TEST_F(SaverProgram, FullScreenStageCoversTheScreenAndLeavesOnAKey) {
    std::string config = ReadAll(saverDir_ + "SSConfig.XML");
    CSaverProcess saver(Saver(), "/s");
    HWND player = saver.WaitForTopLevelWindow(kStartMs);
    ASSERT_NE(player, nullptr);
    HWND stage = WaitForStage(player);
    ASSERT_NE(stage, nullptr);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT rect;
    GetWindowRect(player, &rect);
    EXPECT_EQ(Text(rect), Text(screen));
    GetWindowRect(stage, &rect);
    EXPECT_EQ(Text(rect), Text(screen));

    PumpUntil([] { return false; }, kSettleMs);
    nook::test::SaveScreenshot(screen, nook::test::ScreenshotDir() + "\\saver-fullscreen.bmp");
    nook::test::ExpectDrawn(nook::test::CaptureScreen(screen), 0.5);

    PostMessageW(stage, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(saver.WaitForExit(kExitMs));
    EXPECT_EQ(saver.ExitCode(), 0u);
    EXPECT_EQ(ReadAll(saverDir_ + "SSConfig.XML"), config) << "app.exit is not stored";
}

TEST_F(SaverProgram, FullScreenStageLeavesWhenTheMouseMovesFar) {
    CSaverProcess saver(Saver(), "/s");
    HWND player = saver.WaitForTopLevelWindow(kStartMs);
    ASSERT_NE(player, nullptr);
    HWND stage = WaitForStage(player);
    ASSERT_NE(stage, nullptr);
    PostMessageW(stage, WM_MOUSEMOVE, 0, MAKELPARAM(200, 200));
    PostMessageW(stage, WM_MOUSEMOVE, 0, MAKELPARAM(202, 197)); // a tremble
    EXPECT_FALSE(saver.WaitForExit(kSettleMs));
    PostMessageW(stage, WM_MOUSEMOVE, 0, MAKELPARAM(230, 200));
    EXPECT_TRUE(saver.WaitForExit(kExitMs));
}

// The preview window belongs to another program. Wine does not draw a child window of
// another process, so the look of the stage in a preview is checked in PlayerPreviewTest.
TEST_F(SaverProgram, PreviewFillsItsParentAndIgnoresInput) {
    CStandInWindow settings(L"Screen saver settings", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND preview = settings.AddPreview();
    ASSERT_NE(preview, nullptr);
    CSaverProcess saver(Saver(), "/p " + std::to_string(reinterpret_cast<uintptr_t>(preview)));
    HWND player = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (player = GetWindow(preview, GW_CHILD)) != nullptr; }, kStartMs));
    HWND stage = WaitForStage(player);
    ASSERT_NE(stage, nullptr);
    RECT area, rect;
    GetWindowRect(preview, &area);
    GetWindowRect(player, &rect);
    EXPECT_EQ(Text(rect), Text(area));
    GetWindowRect(stage, &rect);
    EXPECT_EQ(Text(rect), Text(area));

    PostMessageW(stage, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageW(stage, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    PostMessageW(stage, WM_MOUSEMOVE, 0, MAKELPARAM(90, 90));
    EXPECT_FALSE(saver.WaitForExit(kSettleMs));

    // Closing the settings takes the preview with it, and the saver ends.
    DestroyWindow(settings.Hwnd());
    EXPECT_TRUE(saver.WaitForExit(kExitMs));
}

} // namespace
