#include "tests/skin/SkinTestSupport.h"
#include "dialogs/SkinResources.h"
#include "framework/GdiHandles.h"
#include "res/resource.h"
#include "skin/BitmapPixels.h"
#include "skin/SkinDialog.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using nook::CBitmapPixels;
using nook::CRegionHandle;

constexpr int kWidth = 800, kHeight = 600;

CBitmapPixels Piece(int id) {
    nook::CBitmapHandle bitmap(static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    CBitmapPixels pixels;
    pixels.Read(bitmap.Get());
    return pixels;
}

bool Transparent(uint32_t pixel) {
    return nook::PixelRed(pixel) == 255 && nook::PixelBlue(pixel) == 255 && nook::PixelGreen(pixel) <= 16;
}

class SkinDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create());
        SetWindowPos(dialog.Hwnd(), HWND_TOPMOST, 40, 30, kWidth, kHeight, SWP_NOACTIVATE);
        UpdateWindow(dialog.Hwnd());
        nook::test::PumpMessages(50);
    }

    HRGN WindowRegion() {
        region.Reset(CreateRectRgn(0, 0, 0, 0));
        return GetWindowRgn(dialog.Hwnd(), region.Get()) == ERROR ? nullptr : region.Get();
    }

    // Pixels of the window region against a corner piece placed at (x, y).
    int CornerMismatches(HRGN shape, int pieceId, int x, int y) {
        CBitmapPixels piece = Piece(pieceId);
        int wrong = 0;
        for (int py = 0; py < piece.height; ++py)
            for (int px = 0; px < piece.width; ++px)
                wrong += (PtInRegion(shape, x + px, y + py) != FALSE) == Transparent(piece.At(px, py));
        return wrong;
    }

    // Presses the skin's caption button whose right edge lies `fromRight` pixels left of
    // the window's right edge (inside the top-right corner piece).
    void PressCaptionButton(int fromRight) {
        RECT window;
        GetWindowRect(dialog.Hwnd(), &window);
        int inset = IsZoomed(dialog.Hwnd()) ? GetSystemMetrics(SM_CXDLGFRAME) : 0;
        int insetY = IsZoomed(dialog.Hwnd()) ? GetSystemMetrics(SM_CYDLGFRAME) : 0;
        POINT point{window.right - inset - 5 - fromRight - 13, window.top + insetY + 4 + 8};
        SendMessageW(dialog.Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
        // Painted at once, without the message loop: with no window manager on the test
        // display, the X server's late answers would undo a maximised state.
        if (IsWindow(dialog.Hwnd()))
            RedrawWindow(dialog.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    }

    nook::CSkinDialog dialog{IDD_NOOKBACKUP_DIALOG, nook::kMainWindowSkin};
    CRegionHandle region;
};

TEST_F(SkinDialogTest, WindowShapeFollowsTheCornerPieces) {
    HRGN shape = WindowRegion();
    ASSERT_NE(shape, nullptr);
    RECT box;
    GetRgnBox(shape, &box);
    EXPECT_EQ(box.right - box.left, kWidth);
    EXPECT_EQ(box.bottom - box.top, kHeight);
    EXPECT_EQ(CornerMismatches(shape, IDB_FRAME_TOP_LEFT, 0, 0), 0);
    EXPECT_EQ(CornerMismatches(shape, IDB_FRAME_TOP_RIGHT, kWidth - 5, 0), 0);
    EXPECT_EQ(CornerMismatches(shape, IDB_FRAME_BOTTOM_LEFT, 0, kHeight - 5), 0);
    EXPECT_EQ(CornerMismatches(shape, IDB_FRAME_BOTTOM_RIGHT, kWidth - 5, kHeight - 5), 0);
    EXPECT_TRUE(PtInRegion(shape, kWidth / 2, kHeight / 2));
    EXPECT_TRUE(PtInRegion(shape, kWidth / 2, 0));
}

TEST_F(SkinDialogTest, MaximisedShapeLiesInsideTheDialogFrame) {
    ShowWindow(dialog.Hwnd(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(dialog.Hwnd()));
    HRGN shape = WindowRegion();
    ASSERT_NE(shape, nullptr);
    const int cx = GetSystemMetrics(SM_CXDLGFRAME), cy = GetSystemMetrics(SM_CYDLGFRAME);
    RECT window;
    GetWindowRect(dialog.Hwnd(), &window);
    RECT box;
    GetRgnBox(shape, &box);
    EXPECT_EQ(box.left, cx);
    EXPECT_EQ(box.top, cy);
    EXPECT_EQ(box.right, window.right - window.left - cx);
    EXPECT_EQ(box.bottom, window.bottom - window.top - cy);
    EXPECT_EQ(CornerMismatches(shape, IDB_FRAME_TOP_LEFT, cx, cy), 0);
}

TEST_F(SkinDialogTest, CaptionButtonsMaximiseRestoreAndMinimise) {
    PressCaptionButton(26); // maximise
    EXPECT_TRUE(IsZoomed(dialog.Hwnd()));
    PressCaptionButton(26); // restore stands where maximise stood
    EXPECT_FALSE(IsZoomed(dialog.Hwnd()));
    PressCaptionButton(52); // minimise
    EXPECT_TRUE(IsIconic(dialog.Hwnd()));
}

TEST_F(SkinDialogTest, CloseButtonClosesTheDialog) {
    HWND hwnd = dialog.Hwnd();
    PressCaptionButton(0);
    nook::test::PumpMessages(100); // the dialog manager posts the cancel command
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(SkinDialogTest, DoubleClickOnTheFrameTogglesMaximised) {
    SendMessageW(dialog.Hwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_TRUE(IsZoomed(dialog.Hwnd()));
    SendMessageW(dialog.Hwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_FALSE(IsZoomed(dialog.Hwnd()));
}

struct BackgroundCase {
    const char* name;
    bool readable;
    COLORREF key;
    int result;
};

void PrintTo(const BackgroundCase& c, std::ostream* os) {
    *os << c.name;
}

const BackgroundCase kBackgroundCases[] = {
    {"WithoutKeyOnlyStoresTheBitmap", true, 0xFFFFFFFF, 0},
    {"WithKeyAlsoShapesTheWindow", true, RGB(255, 0, 255), 0},
    {"UnreadableBitmapClearsAll", false, RGB(255, 0, 255), 1},
};

class SkinBackgroundTest : public SkinDialogTest, public testing::WithParamInterface<BackgroundCase> {};

TEST_P(SkinBackgroundTest, SetBackgroundBitmapReportsItsResult) {
    const BackgroundCase& c = GetParam();
    HBITMAP bitmap = c.readable ? nook::test::BitmapFromArt({"#.", "##"}) : nullptr;
    EXPECT_EQ(dialog.SetBackgroundBitmap(bitmap, c.key), c.result);
    if (c.readable && c.key != 0xFFFFFFFF) {
        HRGN shape = WindowRegion();
        ASSERT_NE(shape, nullptr);
        EXPECT_TRUE(PtInRegion(shape, 0, 0));
        EXPECT_FALSE(PtInRegion(shape, 1, 0));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SkinBackgroundTest, testing::ValuesIn(kBackgroundCases),
                         [](const testing::TestParamInfo<BackgroundCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
