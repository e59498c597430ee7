#include "platform/CodePage.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

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

struct DecodeCase {
    const char* what;
    std::string text;
    bool utf8;
    std::u16string wide;
};

void ExpectDecoded(const DecodeCase& c) {
    EXPECT_EQ(c.utf8 ? platform::Utf8ToUtf16(c.text) : platform::AnsiToUtf16(c.text), c.wide) << c.what;
}

// A trail byte may lie in the ASCII range: a character must not be cut before it.
TEST(CodePage, CharactersNextToAsciiDecodeWhole) {
    const DecodeCase cases[] = {
        {"trail byte in the ASCII range", "\x81\x40" "a", false, u"\u4E02a"},
        {"after a whole character", "x\xB1\xA6\x81\x40z", false, u"x\u5B9D\u4E02z"},
        {"UTF-8 character between ASCII", "<\xE5\xAE\x9D>", true, u"<\u5B9D>"},
    };
    for (const DecodeCase& c : cases) ExpectDecoded(c);
}

#ifndef _WIN32
// Undecodable bytes are substituted as iconv does in the whole text, which starts again
// one byte on (Windows has rules of its own).
TEST(CodePage, BadBytesNextToAsciiAreSubstitutedAsInTheWholeText) {
    const DecodeCase cases[] = {
        {"bad pair, then a pair with an ASCII trail", "\xA6\x81\x40", false, u"\uFFFD\u4E02"},
        {"lead byte ending the text", "y\xC8", false, u"y\uFFFD"},
        {"UTF-8 cut short before ASCII", "a\xE5\xAE" "b", true, u"a\uFFFD\uFFFDb"},
    };
    for (const DecodeCase& c : cases) ExpectDecoded(c);
}
#endif

// The one-step conversions take their own way only for text they convert whole; the
// substitutes and the lost flag must still be those of the way through UTF-16.
TEST(CodePage, OneStepConversionsGiveWhatTheWayThroughUtf16Gives) {
    const std::string utf8[] = {"", "plain", kDiaryUtf8, "<p>" + kDiaryUtf8 + "</p>", "a\xE0\xB8\x81" "b",
                                "x\xF0\x9F\x98\x80y", "ab\xFF" "cd", "a\xE5\xAE" "b", "end\xE5\xAE"};
    for (const std::string& text : utf8) {
        bool twoStepLost = false;
        const std::string twoStep = platform::Utf16ToAnsi(platform::Utf8ToUtf16(text), &twoStepLost);
        bool oneStepLost = !twoStepLost;
        EXPECT_EQ(platform::Utf8ToAnsi(text, &oneStepLost), twoStep) << text;
        EXPECT_EQ(oneStepLost, twoStepLost) << text;
    }
    const std::string ansi[] = {"", "plain", kDiaryAnsi, "\x81\x40" "a", "x\xB1\xA6\x81\x40z", "\xA6\x81\x40",
                                "y\xC8", "C:\\" + kDiaryAnsi + "\\a.html"};
    for (const std::string& text : ansi)
        EXPECT_EQ(platform::AnsiToUtf8(text), platform::Utf16ToUtf8(platform::AnsiToUtf16(text))) << text;
}

TEST(CodePage, LeadBytesAreThoseOfCodePage936) {
    struct Case {
        unsigned char byte;
        bool lead;
    } cases[] = {{0x00, false}, {0x5C, false}, {0x7F, false}, {0x80, false},
                 {0x81, true},  {0xB1, true},  {0xFE, true},  {0xFF, false}};
    for (const Case& c : cases) EXPECT_EQ(platform::IsLeadByte(c.byte), c.lead) << int(c.byte);
#ifdef _WIN32
    // The fixed range is the system's own for the code page.
    for (unsigned byte = 0; byte < 0x100; ++byte)
        EXPECT_EQ(platform::IsLeadByte(static_cast<unsigned char>(byte)),
                  IsDBCSLeadByteEx(platform::kTextCodePage, static_cast<BYTE>(byte)) != FALSE)
            << byte;
#endif
}

} // namespace
