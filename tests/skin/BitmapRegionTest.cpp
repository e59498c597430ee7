#include "tests/skin/SkinTestSupport.h"
#include "framework/GdiHandles.h"
#include "skin/BitmapRegion.h"
#include "skin/SkinColours.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using nook::CBitmapHandle;
using nook::CRegionHandle;

struct RegionCase {
    const char* name;
    std::vector<std::string> art;
    int x, y;
    std::vector<RECT> expected;
};

void PrintTo(const RegionCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Describe(const std::vector<RECT>& rects) {
    std::string text;
    for (const RECT& r : rects)
        text += "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
                "," + std::to_string(r.bottom) + ")";
    return text;
}

const RegionCase kRegionCases[] = {
    {"AllMagentaCornerAddsNothing", {".....", ".....", "....."}, 0, 0, {}},
    {"CornerWithoutMagentaAddsItsRectangle", {"#####", "#####", "#####"}, 0, 0, {{0, 0, 5, 3}}},
    {"OneTransparentPixelSplitsTheRow", {"####.#####"}, 0, 0, {{0, 0, 4, 1}, {5, 0, 10, 1}}},
    {"RoundedCornerFollowsThePixels",
     {"..###", ".####", "#####"},
     0,
     0,
     {{2, 0, 5, 1}, {1, 1, 5, 2}, {0, 2, 5, 3}}},
    {"GreenUpToSixteenIsStillTransparent", {"#g#"}, 0, 0, {{0, 0, 1, 1}, {2, 0, 3, 1}}},
    {"JustOutsideTheToleranceIsOpaque", {"hr."}, 0, 0, {{0, 0, 2, 1}}},
    {"RegionIsMovedByTheOffset", {".#", "##"}, 795, 571, {{796, 571, 797, 572}, {795, 572, 797, 573}}},
};

class BitmapToRegionTest : public testing::TestWithParam<RegionCase> {};

TEST_P(BitmapToRegionTest, CoversTheOpaquePixels) {
    CBitmapHandle bitmap(nook::test::BitmapFromArt(GetParam().art));
    CRegionHandle region(
        nook::BitmapToRegion(bitmap.Get(), GetParam().x, GetParam().y, nook::kMagenta, nook::kSkinTolerance));
    ASSERT_TRUE(region);
    EXPECT_EQ(Describe(nook::test::RegionRects(region.Get())), Describe(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Table, BitmapToRegionTest, testing::ValuesIn(kRegionCases),
                         [](const testing::TestParamInfo<RegionCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(BitmapToRegion, MoreThanTwoThousandRunsStillGiveOneCompleteRegion) {
    // A checkerboard: every opaque pixel is a run of its own, 2,500 in all.
    const int width = 100, height = 50;
    auto opaque = [](int x, int y) { return (x + y) % 2 == 0; };
    CBitmapHandle bitmap(nook::test::MakeBitmap(
        width, height, [&](int x, int y) { return opaque(x, y) ? RGB(10, 200, 30) : nook::kMagenta; }));
    CRegionHandle region(nook::BitmapToRegion(bitmap.Get(), 0, 0, nook::kMagenta, nook::kSkinTolerance));
    ASSERT_TRUE(region);
    EXPECT_EQ(nook::test::RegionRects(region.Get()).size(), 2500u);
    int wrong = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            wrong += (PtInRegion(region.Get(), x, y) != FALSE) != opaque(x, y);
    EXPECT_EQ(wrong, 0);
}

TEST(BitmapToRegion, UnreadableBitmapGivesNoRegion) {
    EXPECT_EQ(nook::BitmapToRegion(nullptr, 0, 0, nook::kMagenta, nook::kSkinTolerance), nullptr);
}

} // namespace
