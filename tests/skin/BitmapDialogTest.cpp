#include "tests/skin/SkinTestSupport.h"
#include "framework/GdiHandles.h"
#include "res/resource.h"
#include "skin/BitmapDialog.h"
#include "skin/SkinColours.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using nook::CBitmapDialog;
using nook::CRegionHandle;

class BitmapDialogTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create()); }

    // The window's region, or null when it has none.
    HRGN WindowRegion() {
        region.Reset(CreateRectRgn(0, 0, 0, 0));
        return GetWindowRgn(dialog.Hwnd(), region.Get()) == ERROR ? nullptr : region.Get();
    }

    CBitmapDialog dialog{IDD_NOTIFY};
    CRegionHandle region;
};

TEST_F(BitmapDialogTest, RegionWidthIsCutDownToAMultipleOfFour) {
    // 323 wide: columns 320 to 322 fall away; one magenta pixel is cut out.
    HBITMAP bitmap = nook::test::MakeBitmap(
        323, 12, [](int x, int y) { return x == 7 && y == 5 ? nook::kMagenta : RGB(250, 230, 200); });
    ASSERT_EQ(dialog.SetBackgroundBitmap(bitmap, nook::kMagenta), 0);
    HRGN shape = WindowRegion();
    ASSERT_NE(shape, nullptr);
    RECT box;
    GetRgnBox(shape, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 320);
    EXPECT_EQ(box.bottom, 12);
    EXPECT_FALSE(PtInRegion(shape, 7, 5));
    EXPECT_TRUE(PtInRegion(shape, 8, 5));
    EXPECT_TRUE(PtInRegion(shape, 319, 11));
}

TEST_F(BitmapDialogTest, OnlyTheExactKeyIsCutOut) {
    HBITMAP bitmap = nook::test::BitmapFromArt({"#g.h", "####"});
    ASSERT_EQ(dialog.SetBackgroundBitmap(bitmap, nook::kMagenta), 0);
    HRGN shape = WindowRegion();
    ASSERT_NE(shape, nullptr);
    EXPECT_TRUE(PtInRegion(shape, 1, 0)); // green 16 is not the key here
    EXPECT_FALSE(PtInRegion(shape, 2, 0));
}

TEST_F(BitmapDialogTest, NoKeyMakesNoRegionAndDropsTheOldOne) {
    ASSERT_EQ(dialog.SetBackgroundBitmap(nook::test::BitmapFromArt({"#.##"}), nook::kMagenta), 0);
    ASSERT_NE(WindowRegion(), nullptr);
    ASSERT_EQ(dialog.SetBackgroundBitmap(nook::test::BitmapFromArt({"#.##"}), nook::kNoKey), 0);
    EXPECT_EQ(WindowRegion(), nullptr);
    EXPECT_TRUE(dialog.BackgroundBitmap());
}

TEST_F(BitmapDialogTest, UnreadableBitmapClearsEverything) {
    ASSERT_EQ(dialog.SetBackgroundBitmap(nook::test::BitmapFromArt({"#.##"}), nook::kMagenta), 0);
    EXPECT_EQ(dialog.SetBackgroundBitmap(nullptr, nook::kMagenta), 1);
    EXPECT_FALSE(dialog.BackgroundBitmap());
    EXPECT_EQ(WindowRegion(), nullptr);
}

struct PlacementCase {
    int mode;
    std::vector<POINT> origins; // where the bitmap's top-left pixel lands
};

TEST_F(BitmapDialogTest, EachPlacementPutsTheBitmapWhereItSays) {
    // A 10 x 6 bitmap with one marked corner pixel, in a 25 x 14 client area.
    const COLORREF mark = RGB(0, 0, 250), body = RGB(250, 10, 10);
    ASSERT_EQ(dialog.SetBackgroundBitmap(
                  nook::test::MakeBitmap(10, 6, [&](int x, int y) { return x == 0 && y == 0 ? mark : body; }),
                  nook::kNoKey),
              0);
    SetWindowPos(dialog.Hwnd(), nullptr, 0, 0, 25, 14, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const PlacementCase cases[] = {
        {CBitmapDialog::kTile,
         {{0, 0}, {10, 0}, {20, 0}, {0, 6}, {10, 6}, {20, 6}, {0, 12}, {10, 12}, {20, 12}}},
        {CBitmapDialog::kCentre, {{7, 4}}},
        {CBitmapDialog::kTileTop, {{0, 0}, {10, 0}, {20, 0}}},
        {CBitmapDialog::kTileBottom, {{0, 8}, {10, 8}, {20, 8}}},
        {CBitmapDialog::kTileLeft, {{0, 0}, {0, 6}, {0, 12}}},
        {CBitmapDialog::kTileRight, {{15, 0}, {15, 6}, {15, 12}}},
        {CBitmapDialog::kTopLeft, {{0, 0}}},
        {CBitmapDialog::kTopRight, {{15, 0}}},
        {CBitmapDialog::kTopCentre, {{7, 0}}},
        {CBitmapDialog::kBottomLeft, {{0, 8}}},
        {CBitmapDialog::kBottomRight, {{15, 8}}},
        {CBitmapDialog::kBottomCentre, {{7, 8}}},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.mode);
        ASSERT_EQ(dialog.SetPlacement(c.mode, false), 0);
        nook::CBitmapPixels drawn = nook::test::Render(25, 14, [&](HDC dc) {
            SendMessageW(dialog.Hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        });
        std::vector<POINT> marks;
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 25; ++x)
                if (drawn.At(x, y) == nook::PixelOf(mark)) marks.push_back({x, y});
        ASSERT_EQ(marks.size(), c.origins.size());
        for (size_t i = 0; i < marks.size(); ++i) {
            EXPECT_EQ(marks[i].x, c.origins[i].x);
            EXPECT_EQ(marks[i].y, c.origins[i].y);
        }
    }
    // Stretched, the bitmap covers everything: no face colour is left.
    ASSERT_EQ(dialog.SetPlacement(CBitmapDialog::kStretch, false), 0);
    nook::CBitmapPixels stretched = nook::test::Render(
        25, 14, [&](HDC dc) { SendMessageW(dialog.Hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0); });
    EXPECT_EQ(stretched.At(24, 13), nook::PixelOf(body));
    EXPECT_EQ(stretched.At(0, 0), nook::PixelOf(mark));
}

TEST(Placement, ModeOutsideZeroToTwelveIsRefusedAndChangesNothing) {
    CBitmapDialog dialog{IDD_NOTIFY};
    ASSERT_EQ(dialog.SetPlacement(CBitmapDialog::kBottomCentre, false), 0);
    EXPECT_EQ(dialog.SetPlacement(13, true), 2);
    EXPECT_EQ(dialog.SetPlacement(-1, true), 2);
    EXPECT_EQ(dialog.Placement(), CBitmapDialog::kBottomCentre);
}

} // namespace
