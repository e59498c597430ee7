// The player window in a preview, hosted by this test program so that the stage's
// drawing is on the screen (Wine shows no child window of another process). Its
// screenshot lands beside this test program.
#include "platform/Files.h"
#include "player/PlayerDialog.h"
#include "registry/PluginRegistry.h"
#include "tests/saver/SaverProcess.h"
#include "tests/saver/SaverTestFiles.h"
#include "tests/saver/ScreenCapture.h"
#include "tests/saver/StandInWindow.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using nook::test::PumpUntil;

struct PreviewCase {
    const char* name;
    bool plugins;      // false: no plug-in list, so the placeholder movie plays
    const char* title; // the player's title, which the stage shows
    const char* screenshot;
};

void PrintTo(const PreviewCase& c, std::ostream* out) {
    *out << c.name;
}

const PreviewCase kCases[] = {
    {"ConfiguredPlugin", true, "\xD2\xA1\xC0\xBA\xC7\xFA", "saver-preview.bmp"},
    {"PlaceholderMovie", false, "Brindle\xC6\xC1\xB1\xA3", "saver-preview-placeholder.bmp"},
};

class PlayerPreview : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(PlayerPreview, StageDrawsInsideThePreviewOnlyAndIgnoresInput) {
    std::string saverDir = nook::test::InstallSaver(nook::test::ScratchDir());
    if (!GetParam().plugins) platform::RemoveFile(saverDir + "SupportList.XML");
    nook::PluginRegistry registry;
    registry.Load(saverDir);
    nook::test::CStandInWindow settings(L"Screen saver settings", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND preview = settings.AddPreview();

    // Owned by its window from here on: it deletes itself when the window goes.
    auto* player = new nook::CPlayerDialog(preview, registry, saverDir);
    ASSERT_TRUE(player->Create(saverDir + "SSConfig.XML"));
    HWND playerWindow = player->Hwnd();
    EXPECT_EQ(player->GetText(), GetParam().title);
    HWND stage = GetDlgItem(playerWindow, 1000);
    ASSERT_NE(stage, nullptr);
    RECT area, rect;
    GetWindowRect(preview, &area);
    GetWindowRect(stage, &rect);
    EXPECT_TRUE(EqualRect(&rect, &area));

    PumpUntil([] { return false; }, 1500);
    RECT whole;
    GetWindowRect(settings.Hwnd(), &whole);
    nook::test::SaveScreenshot(whole, nook::test::ScreenshotDir() + "\\" + GetParam().screenshot);
    // The generated pictures fill the preview; the settings window beside it keeps its grey.
    nook::test::ExpectDrawn(nook::test::CaptureScreen(area), 0.5);
    RECT beside{area.right + 10, area.top, area.right + 60, area.bottom};
    EXPECT_GT(nook::test::ShareNear(nook::test::CaptureScreen(beside), RGB(128, 128, 128), 2), 0.95);

    PostMessageW(stage, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageW(stage, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    PostMessageW(stage, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    PostMessageW(stage, WM_MOUSEMOVE, 0, MAKELPARAM(90, 90));
    PumpUntil([] { return false; }, 500);
    EXPECT_TRUE(IsWindow(playerWindow)) << "a preview does not answer input";

    DestroyWindow(settings.Hwnd());
    EXPECT_FALSE(IsWindow(playerWindow));
}

INSTANTIATE_TEST_SUITE_P(Movies, PlayerPreview, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
