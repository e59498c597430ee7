#include "tests/skin/SkinTestSupport.h"
#include "framework/GdiHandles.h"
#include "skin/ImageCopies.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using nook::CBitmapHandle;
using nook::CBitmapPixels;

struct CopyCase {
    const char* name;
    HBITMAP (*copy)(HBITMAP, COLORREF);
    COLORREF key;
    COLORREF source;
    COLORREF expected;
};

void PrintTo(const CopyCase& c, std::ostream* os) {
    *os << c.name;
}

const CopyCase kCopyCases[] = {
    // 0.299 * 200 + 0.587 * 100 + 0.114 * 50 = 124.2
    {"GreyUsesTheLuminanceWeights", nook::MakeGreyCopy, RGB(255, 0, 255), RGB(200, 100, 50),
     RGB(124, 124, 124)},
    {"GreyOfWhiteStaysWhite", nook::MakeGreyCopy, RGB(255, 0, 255), RGB(255, 255, 255), RGB(255, 255, 255)},
    // v - v / 4, cut: 255 -> 191, 100 -> 75, 3 -> 2
    {"DarkerTakesAQuarterOff", nook::MakeDarkerCopy, RGB(255, 0, 255), RGB(255, 100, 3), RGB(191, 75, 2)},
    // Near-black would become the black key and so transparent; it stays opaque.
    {"GreyNeverTurnsOpaqueIntoTheKey", nook::MakeGreyCopy, RGB(0, 0, 0), RGB(0, 0, 1), RGB(0, 0, 1)},
    {"DarkerNeverTurnsOpaqueIntoTheKey", nook::MakeDarkerCopy, RGB(0, 0, 0), RGB(1, 1, 1), RGB(0, 0, 1)},
};

class ImageCopyTest : public testing::TestWithParam<CopyCase> {};

TEST_P(ImageCopyTest, ChangesOpaquePixelsAndKeepsTheKeyColour) {
    const CopyCase& c = GetParam();
    // Left half the key colour, right half the test colour.
    CBitmapHandle source(nook::test::MakeBitmap(4, 2, [&](int x, int) { return x < 2 ? c.key : c.source; }));
    CBitmapHandle copy(c.copy(source.Get(), c.key));
    ASSERT_TRUE(copy);
    CBitmapPixels pixels;
    ASSERT_TRUE(pixels.Read(copy.Get()));
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(pixels.At(0, y), nook::PixelOf(c.key));
        EXPECT_EQ(pixels.At(1, y), nook::PixelOf(c.key));
        EXPECT_EQ(pixels.At(2, y), nook::PixelOf(c.expected));
        EXPECT_EQ(pixels.At(3, y), nook::PixelOf(c.expected));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ImageCopyTest, testing::ValuesIn(kCopyCases),
                         [](const testing::TestParamInfo<CopyCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ImageCopy, UnreadableImageGivesNothing) {
    EXPECT_EQ(nook::MakeGreyCopy(nullptr, RGB(0, 0, 0)), nullptr);
    EXPECT_EQ(nook::MakeDarkerCopy(nullptr, RGB(0, 0, 0)), nullptr);
}

} // namespace
