#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

// "宝宝日记" in code page 936 and in UTF-8.
const std::string kDiaryAnsi = "\xB1\xA6\xB1\xA6\xC8\xD5\xBC\xC7";
const std::string kDiaryUtf8 = "\xE5\xAE\x9D\xE5\xAE\x9D\xE6\x97\xA5\xE8\xAE\xB0";

TEST(CodePage, ChineseRoundTripsBetweenCodePage936AndUtf8) {
    std::u16string wide = platform::AnsiToUtf16(kDiaryAnsi);
    EXPECT_EQ(wide, u"宝宝日记");
    EXPECT_EQ(platform::Utf16ToUtf8(wide), kDiaryUtf8);
    bool lost = true;
    EXPECT_EQ(platform::Utf16ToAnsi(platform::Utf8ToUtf16(kDiaryUtf8), &lost), kDiaryAnsi);
    EXPECT_FALSE(lost);
}

TEST(CodePage, CharacterWithoutEquivalentIsReportedLost) {
    struct Case {
        std::u16string text;
        std::string ansi;
        bool lost;
    } cases[] = {
        {u"", "", false},
        {u"abc", "abc", false},
        {u"a\u0E01b", "a?b", true},       // Thai letter: not in code page 936
        {u"x\U0001F600y", "x??y", true},  // one "?" per UTF-16 unit, as Windows does
    };
    for (const Case& c : cases) {
        bool lost = !c.lost;
        EXPECT_EQ(platform::Utf16ToAnsi(c.text, &lost), c.ansi);
        EXPECT_EQ(lost, c.lost);
    }
}

TEST(CodePage, InvalidUtf8KeepsTheRestOfTheText) {
    std::u16string wide = platform::Utf8ToUtf16("ab\xFF" "cd");
    ASSERT_EQ(wide.size(), 5u);
    EXPECT_EQ(wide.substr(0, 2), u"ab");
    EXPECT_EQ(wide.substr(3), u"cd");
}

TEST(CodePage, LeadBytesAreThoseOfCodePage936) {
    struct Case {
        unsigned char byte;
        bool lead;
    } cases[] = {{0x00, false}, {0x5C, false}, {0x7F, false}, {0x80, false},
                 {0x81, true},  {0xB1, true},  {0xFE, true},  {0xFF, false}};
    for (const Case& c : cases) EXPECT_EQ(platform::IsLeadByte(c.byte), c.lead) << int(c.byte);
}

} // namespace
