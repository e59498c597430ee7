// What the stage shows: the family's photos from NookBackup's archive beside the suite,
// in the configured plug-in's theme, skipping what is no picture, with the album's
// music when asked for. Photos of known colours tell on the screen what is shown.
// The screenshots land beside this test program.
#include "platform/Files.h"
#include "player/PlayerDialog.h"
#include "registry/PluginRegistry.h"
#include "stage/MciMusic.h"
#include "tests/saver/SaverProcess.h"
#include "tests/saver/SaverTestFiles.h"
#include "tests/saver/ScreenCapture.h"
#include "tests/saver/StageFiles.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <vector>

namespace {

using nook::test::CaptureScreen;
using nook::test::PumpUntil;
using nook::test::ShareNear;

constexpr DWORD kStartMs = 20000;
constexpr DWORD kExitMs = 15000;
// How far a decoded and blended photo may stray from its colour.
constexpr int kTolerance = 12;
// A photo "fills the screen" when its colour covers this share of it.
constexpr double kFilled = 0.4;

constexpr COLORREF kRed = RGB(0xD0, 0x30, 0x30);   // tests/data/saver/red.jpg
constexpr COLORREF kGreen = RGB(0x30, 0xB0, 0x40); // tests/data/saver/green.png
constexpr COLORREF kBlue = RGB(0x30, 0x50, 0xD0);  // made here as a BMP

RECT Screen() {
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// The photo colour that fills the screen, or CLR_INVALID.
COLORREF FillingColour() {
    nook::test::ScreenPixels pixels = CaptureScreen(Screen());
    for (COLORREF colour : {kRed, kGreen, kBlue})
        if (ShareNear(pixels, colour, kTolerance) > kFilled) return colour;
    return CLR_INVALID;
}

// A suite folder with the saver and an archive whose photos are `photos`: the named
// files of tests/data/saver, "blue.bmp" and "huge.bmp" (a header claiming 108
// megapixels) made here.
class StageShow : public ::testing::Test {
  protected:
    void MakeSuite(const std::vector<std::string>& photos) {
        suiteDir_ = nook::test::ScratchDir();
        saverDir_ = nook::test::InstallSaver(suiteDir_);
        std::string images = nook::test::MakeArchive(suiteDir_, photos);
        for (const std::string& photo : photos) {
            if (photo == "blue.bmp")
                ASSERT_TRUE(nook::test::WriteSolidBitmap(images + photo, 320, 240, kBlue));
            else if (photo == "huge.bmp")
                ASSERT_TRUE(nook::test::WriteBitmapHeaderOnly(images + photo, 12000, 9000));
            else
                ASSERT_TRUE(platform::CopyFileTo(nook::test::DataDir() + "saver\\" + photo, images + photo, true));
        }
        registry_.Load(saverDir_);
    }

    // The player, full screen in this process; it deletes itself with its window.
    HWND Play(const std::string& configAttributes) {
        EXPECT_TRUE(nook::test::WriteSaverConfig(saverDir_, configAttributes));
        auto* player = new nook::CPlayerDialog(nullptr, registry_, saverDir_);
        EXPECT_TRUE(player->Create(""));
        return player->Hwnd();
    }

    std::string suiteDir_;
    std::string saverDir_;
    nook::PluginRegistry registry_;
};

TEST_F(StageShow, ArchivePhotosFillTheScreenChangeAndEscapeEnds) {
    MakeSuite({"red.jpg", "green.png", "blue.bmp"});
    nook::test::CSaverProcess saver(saverDir_ + "NookSS.scr", "/s");
    HWND player = saver.WaitForTopLevelWindow(kStartMs);
    ASSERT_NE(player, nullptr);

    COLORREF first = CLR_INVALID;
    ASSERT_TRUE(PumpUntil([&] { return (first = FillingColour()) != CLR_INVALID; }, kStartMs))
        << "no photo of the archive fills the screen";
    nook::test::SaveScreenshot(Screen(), nook::test::ScreenshotDir() + "\\stage-archive.bmp");
    COLORREF next = CLR_INVALID;
    EXPECT_TRUE(PumpUntil([&] { return (next = FillingColour()) != CLR_INVALID && next != first; }, kExitMs))
        << "the picture does not change";

    PostMessageW(GetDlgItem(player, 1000), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(saver.WaitForExit(kExitMs));
    EXPECT_EQ(saver.ExitCode(), 0u);
}

struct BrokenCase {
    const char* name;
    std::vector<std::string> photos;
    bool oneGood; // else every photo is broken
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
    *out << c.name;
}

const BrokenCase kBrokenCases[] = {
    {"OneGoodAmongBroken", {"not-a-picture.jpg", "truncated.jpg", "huge.bmp", "green.png"}, true},
    {"AllBrokenGiveTheWarmRestingScreen", {"not-a-picture.jpg", "truncated.jpg", "huge.bmp"}, false},
};

class StageBrokenPhotos : public StageShow, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(StageBrokenPhotos, AreSkipped) {
    MakeSuite(GetParam().photos);
    HWND player = Play("type=\"1\"");
    PumpUntil([] { return false; }, 2500);
    nook::test::ScreenPixels pixels = CaptureScreen(Screen());
    if (GetParam().oneGood) {
        EXPECT_GT(ShareNear(pixels, kGreen, kTolerance), kFilled);
    } else {
        // A gradient from amber to brown, and the product's name in cream: warm all over.
        long warm = 0;
        for (COLORREF c : pixels.colours)
            if (GetRValue(c) > GetGValue(c) && GetGValue(c) > GetBValue(c) && GetRValue(c) > 0x50) ++warm;
        EXPECT_GT(warm, pixels.Count() * 9 / 10);
    }
    DestroyWindow(player);
}

INSTANTIATE_TEST_SUITE_P(Archives, StageBrokenPhotos, ::testing::ValuesIn(kBrokenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StageShow, EachPluginHasAThemeOfItsOwn) {
    MakeSuite({"red.jpg", "green.png", "blue.bmp"});
    std::vector<nook::test::ScreenPixels> looks;
    for (int type = 1; type <= 4; ++type) {
        HWND player = Play("type=\"" + std::to_string(type) + "\"");
        PumpUntil([] { return false; }, 1600);
        nook::test::SaveScreenshot(Screen(), nook::test::ScreenshotDir() + "\\stage-theme" + std::to_string(type) + ".bmp");
        looks.push_back(CaptureScreen(Screen()));
        nook::test::ExpectDrawn(looks.back());
        DestroyWindow(player);
    }
    for (size_t a = 0; a < looks.size(); ++a)
        for (size_t b = a + 1; b < looks.size(); ++b)
            EXPECT_GT(nook::test::MeanDifference(looks[a], looks[b]), 8.0) << "types " << a + 1 << " and " << b + 1;
}

// A second of silence, as a wave file.
std::string SilentWave() {
    const uint32_t rate = 8000, bytes = rate * 2;
    std::string wave = "RIFF";
    auto put32 = [&wave](uint32_t v) { wave.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&wave](uint16_t v) { wave.append(reinterpret_cast<const char*>(&v), 2); };
    put32(36 + bytes);
    wave += "WAVEfmt ";
    put32(16);
    put16(1);        // PCM
    put16(1);        // mono
    put32(rate);
    put32(rate * 2); // bytes a second
    put16(2);
    put16(16);
    wave += "data";
    put32(bytes);
    wave.append(bytes, '\0');
    return wave;
}

struct MusicCase {
    const char* name;
    const char* sound;  // the configuration's "sound"
    bool musicIsSound;  // else the album's music file is a text
    bool opened;
};

void PrintTo(const MusicCase& c, std::ostream* out) {
    *out << c.name;
}

const MusicCase kMusicCases[] = {
    {"SoundOnOpensTheAlbumsMusic", "1", true, true},
    {"SoundOffLeavesItShut", "0", true, false},
    {"MusicThatIsNoSoundIsNotOpened", "1", false, false},
};

class StageMusic : public StageShow, public ::testing::WithParamInterface<MusicCase> {};

TEST_P(StageMusic, ThroughTheMediaPlayer) {
    MakeSuite({});
    ASSERT_TRUE(platform::CopyFileTo(nook::test::DataDir() + "saver\\green.png", saverDir_ + "green.png", true));
    ASSERT_TRUE(platform::WriteFileAtomically(saverDir_ + "music.wav",
                                              GetParam().musicIsSound ? SilentWave() : "not music\r\n"));
    ASSERT_TRUE(platform::WriteFileAtomically(saverDir_ + "album.xml",
                                              "<album music=\"music.wav\"><photo imgurl=\"green.png\"/></album>"));
    HWND player = Play(std::string("type=\"1\" data=\"album.xml\" sound=\"") + GetParam().sound + "\"");
    // The album, with its music, reaches the stage before its first picture does.
    ASSERT_TRUE(PumpUntil([] { return FillingColour() == kGreen; }, kStartMs));
    wchar_t mode[64] = {};
    MCIERROR status = mciSendStringW((std::wstring(L"status ") + nook::kMusicAlias + L" mode").c_str(), mode, 64, nullptr);
    EXPECT_EQ(status == 0, GetParam().opened) << "MCI status: " << status;
    DestroyWindow(player);
    EXPECT_NE(mciSendStringW((std::wstring(L"status ") + nook::kMusicAlias + L" mode").c_str(), mode, 64, nullptr), 0u)
        << "the music is closed with the stage";
}

INSTANTIATE_TEST_SUITE_P(Albums, StageMusic, ::testing::ValuesIn(kMusicCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
