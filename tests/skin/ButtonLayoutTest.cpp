// Where a skinned button puts its image and its text.
#include "skin/layout/ButtonLayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nook {

// Found by argument-dependent lookup, so beside the type's namespace, not in the test's.
static bool operator==(const LayoutRect& a, const LayoutRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static void PrintTo(const LayoutRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

constexpr LayoutRect kFace{0, 0, 70, 35};
constexpr LayoutSize kImage{20, 10};
constexpr int kImageMargin = 3, kTextMargin = 4;
constexpr auto kLeft = ImagePlacement::ImageLeft;
constexpr auto kAbove = ImagePlacement::ImageAbove;
constexpr auto kRight = ImagePlacement::ImageRight;

// Names each case of a table after its `name`.
struct CaseName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

struct LayoutCase {
    const char* name;
    LayoutRect area;
    std::optional<LayoutSize> image;
    bool hasText;
    ImagePlacement placement;
    LayoutPoint shift;
    LayoutPoint expectedImage; // not checked without an image
    LayoutRect expectedTextArea;
};

struct TextCase {
    const char* name;
    LayoutRect textArea;
    LayoutSize text;
    LayoutPoint shift;
    LayoutRect expected;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const LayoutCase kLayoutCases[] = {
    {"ImageLeftStandsAtTheMarginAndTheTextTakesTheRest", kFace, kImage, true, kLeft, {}, {3, 12},
     {23, 0, 70, 35}},
    {"ImageAboveStandsAtTheTextMarginAndTheTextBelowIt", kFace, kImage, true, kAbove, {}, {25, 4},
     {0, 14, 70, 35}},
    {"ImageRightStandsAtTheMarginAndTheTextBeforeIt", kFace, kImage, true, kRight, {}, {47, 12},
     {0, 0, 47, 35}},
    {"WithoutTextAnImageLeftIsCentred", kFace, kImage, false, kLeft, {}, {25, 12}, {23, 0, 70, 35}},
    {"WithoutTextAnImageAboveIsCentred", kFace, kImage, false, kAbove, {}, {25, 12}, {0, 14, 70, 35}},
    {"WithoutTextAnImageRightIsCentred", kFace, kImage, false, kRight, {}, {25, 12}, {0, 0, 47, 35}},
    {"PressedMovesTheImageButNotTheTextArea", kFace, kImage, true, kLeft, {1, 2}, {4, 14}, {23, 0, 70, 35}},
    {"PressedMovesACentredImage", kFace, kImage, false, kAbove, {1, 1}, {26, 13}, {0, 14, 70, 35}},
    {"FaceAwayFromTheOriginCountsFromItsCorner", {10, 20, 80, 55}, kImage, true, kRight, {}, {57, 32},
     {10, 20, 57, 55}},
    {"ImageLargerThanTheFaceIsCentredRoundingTowardsZero", kFace, LayoutSize{73, 36}, false, kLeft, {},
     {-1, 0}, {76, 0, 70, 35}},
    {"WithoutImageTheTextHasTheWholeFace", kFace, std::nullopt, true, kLeft, {1, 1}, {}, kFace},
};

const TextCase kTextCases[] = {
    {"SmallerTextStandsInTheMiddleOfItsArea", {23, 0, 70, 35}, {30, 13}, {}, {31, 11, 61, 24}},
    {"PressedTextMovesByTheShift", {23, 0, 70, 35}, {30, 13}, {1, 2}, {32, 13, 62, 26}},
    {"LargerTextOverhangsEvenlyRoundingTowardsZero", {0, 0, 40, 20}, {45, 31}, {}, {-2, -5, 43, 26}},
};
// clang-format on

class ButtonLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(ButtonLayoutTest, PlacesTheImageAndLeavesTheTextItsArea) {
    const LayoutCase& c = GetParam();
    const ButtonLayout layout =
        LayOutButton({c.area, c.image, c.hasText, c.placement, kImageMargin, kTextMargin, c.shift});
    if (c.image) {
        EXPECT_EQ(layout.image.x, c.expectedImage.x);
        EXPECT_EQ(layout.image.y, c.expectedImage.y);
    }
    EXPECT_EQ(layout.textArea, c.expectedTextArea);
}

INSTANTIATE_TEST_SUITE_P(Table, ButtonLayoutTest, testing::ValuesIn(kLayoutCases), CaseName());

class CentreTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(CentreTextTest, CentresTheMeasuredTextInItsArea) {
    const TextCase& c = GetParam();
    EXPECT_EQ(CentreText(c.textArea, c.text, c.shift), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, CentreTextTest, testing::ValuesIn(kTextCases), CaseName());

} // namespace
} // namespace nook
