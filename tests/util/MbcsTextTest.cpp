#include "util/MbcsText.h"

#include <gtest/gtest.h>

namespace {

// "表" is B1 ED; "\xD5\x5C" is a two-byte character whose trail byte is "\".
const std::string kTrailBackslash = "\xD5\x5C";
const std::string kTrailCapital = "\xB0\x41"; // trail byte "A"

TEST(MbcsText, ReverseFindSkipsTrailBytes) {
    struct Case {
        std::string text;
        char ch;
        size_t expected;
    } cases[] = {
        {"", '\\', std::string::npos},
        {"C:\\a\\b.txt", '\\', 4},
        {"C:\\dir" + kTrailBackslash, '\\', 2},
        {"a.b.c", '.', 3},
        {"x" + kTrailBackslash + "\\", '\\', 3},
        {"\xB1", '\xB1', 0}, // a lead byte as the last byte stands alone
    };
    for (const Case& c : cases) EXPECT_EQ(nook::ReverseFindChar(c.text, c.ch), c.expected) << c.text;
}

TEST(MbcsText, FindStartsAtACharacterBoundary) {
    std::string text = kTrailBackslash + "\\x\\";
    EXPECT_EQ(nook::FindChar(text, '\\'), 2u);
    EXPECT_EQ(nook::FindChar(text, '\\', 3), 4u);
    EXPECT_EQ(nook::FindChar(text, '\\', 5), std::string::npos);
}

TEST(MbcsText, TrimRemovesAsciiWhiteSpaceAtBothEnds) {
    EXPECT_EQ(nook::Trim(" \t\r\n\v\f"), "");
    EXPECT_EQ(nook::Trim("  a b \r\n"), "a b");
    EXPECT_EQ(nook::Trim("\t" + kTrailBackslash + " "), kTrailBackslash);
    EXPECT_EQ(nook::Trim("x"), "x");
}

TEST(MbcsText, AsciiLowerLeavesTwoByteCharactersAlone) {
    EXPECT_EQ(nook::AsciiLower("SRC=\"HTTP://A\""), "src=\"http://a\"");
    EXPECT_EQ(nook::AsciiLower(kTrailCapital + "AB"), kTrailCapital + "ab");
}

} // namespace
