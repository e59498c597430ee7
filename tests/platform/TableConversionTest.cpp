// The one-step conversions and code page 936 to UTF-16 go by table; iconv's own
// conversions, what they gave before, are the rule they must follow byte for byte, with the same `lost`.
#include "platform/CodePage.h"
#include "platform/posix/IconvCodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

// "宝宝日记" in UTF-8 and in code page 936.
const std::string kDiaryUtf8 = "\xE5\xAE\x9D\xE5\xAE\x9D\xE6\x97\xA5\xE8\xAE\xB0";
const std::string kDiaryAnsi = "\xB1\xA6\xB1\xA6\xC8\xD5\xBC\xC7";

void ExpectUtf8AsIconv(const std::string& utf8) {
    bool iconvLost = false;
    const std::string iconvAnsi = platform::IconvUtf8ToAnsi(utf8, &iconvLost);
    bool lost = !iconvLost;
    EXPECT_EQ(platform::Utf8ToAnsi(utf8, &lost), iconvAnsi) << testing::PrintToString(utf8);
    EXPECT_EQ(lost, iconvLost) << testing::PrintToString(utf8);
}

void ExpectAnsiAsIconv(const std::string& ansi) {
    EXPECT_EQ(platform::AnsiToUtf8(ansi), platform::IconvAnsiToUtf8(ansi)) << testing::PrintToString(ansi);
    EXPECT_TRUE(platform::AnsiToUtf16(ansi) == platform::IconvAnsiToUtf16(ansi)) << testing::PrintToString(ansi);
}

// UTF-8 of a code point from 0x80 to 0xFFFF.
std::string Utf8Of(char32_t c) {
    if (c < 0x800) return {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    return {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
}

struct TextCase {
    const char* what;
    std::string text;
};

TEST(TableConversion, HandPickedUtf8ConvertsAsIconvConvertsIt) {
    const TextCase cases[] = {
        {"empty", ""},
        {"ASCII with a NUL", std::string("a\0<p>b</p>", 10)},
        {"Chinese between ASCII", "<p>" + kDiaryUtf8 + "</p>"},
        {"euro sign", "\xE2\x82\xAC"},
        {"euro sign before Chinese", "\xE2\x82\xAC" + kDiaryUtf8},
        {"two-byte character", "\xC2\xB7x"},
        {"character code page 936 lacks", "a\xE0\xB8\x81" "b"},
        {"emoji", "x\xF0\x9F\x98\x80y"},
        {"Chinese character above U+FFFF", "\xF0\xA0\x80\x80"},
        {"lone continuation byte", "a\x80" "b"},
        {"0xFF", "ab\xFF" "cd"},
        {"lead byte at the end", "ab\xE5"},
        {"cut sequence before ASCII", "a\xE5\xAE" "b"},
        {"cut sequence at the end", "end\xE5\xAE"},
        {"overlong two-byte form", "\xC0\xAF"},
        {"overlong three-byte form", "\xE0\x80\xAF"},
        {"overlong four-byte form of a Chinese character", "\xF0\x85\xAE\x9D"},
        {"surrogate", "\xED\xA0\x80"},
        {"surrogate pair", "\xED\xA0\xBD\xED\xB8\x80"},
        {"above U+10FFFF", "\xF4\x90\x80\x80"},
        {"five-byte form", "\xF8\x88\x80\x80\x80"},
        {"private use area", "\xEE\x80\x80\xEF\xA3\xBF"},
        {"replacement character and byte order mark", "\xEF\xBF\xBD\xEF\xBB\xBF"},
        {"Chinese, then a bad byte, then Chinese", kDiaryUtf8 + "\xFF" + kDiaryUtf8},
        {"Chinese, then an emoji, then Chinese", kDiaryUtf8 + "\xF0\x9F\x98\x80" + kDiaryUtf8},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectUtf8AsIconv(c.text);
    }
}

TEST(TableConversion, HandPickedCodePage936ConvertsAsIconvConvertsIt) {
    const TextCase cases[] = {
        {"empty", ""},
        {"Chinese between ASCII", "<p>" + kDiaryAnsi + "</p>"},
        {"0x80 alone", "\x80"},
        {"0x80 over and over, three bytes of UTF-8 each", std::string(5000, '\x80')},
        {"0x80 before a lead byte", "\x80\xB1\xA6"},
        {"0x80 after a lead byte", "\xB1\x80"},
        {"trail byte in the ASCII range", "\x81\x40" "a"},
        {"trail byte 0x5C", "\x95\x5C"},
        {"trail byte 0x7F", "\x81\x7F"},
        {"trail byte below 0x40", "\x81\x30"},
        {"trail byte 0xFF", "\x81\xFF"},
        {"0xFF", "a\xFF" "b"},
        {"lead byte at the end", "y\xC8"},
        {"lone 0x81", "\x81"},
        {"lead bytes only", "\xB1\xB1\xB1"},
        {"lead byte before ASCII", "\xB1" "a\xB1"},
        {"bad pair before a good one", "\xA6\x81\x40"},
        {"user-defined area AAA1-AFFE", "\xAA\xA1\xAF\xFE"},
        {"user-defined area F8A1-FEFE", "\xF8\xA1\xFE\xFE"},
        {"user-defined area A140-A7A0", "\xA1\x40\xA7\xA0"},
        {"path", "C:\\" + kDiaryAnsi + "\\a.html"},
        {"Chinese, then a bad pair, then Chinese", kDiaryAnsi + "\x81\x7F" + kDiaryAnsi},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectAnsiAsIconv(c.text);
    }
}

// Each character alone between ASCII, so that no earlier one sends the text to iconv:
// every pair of bytes from 0x80 on, and every three-byte form in UTF-8 (overlong forms
// and surrogates among them), every byte from 0x80 on alone in code page 936.
TEST(TableConversion, EveryCharacterConvertsAsIconvConvertsIt) {
    for (unsigned lead = 0xE0; lead < 0xF0; ++lead) {
        for (unsigned second = 0x80; second < 0xC0; ++second) {
            for (unsigned third = 0x80; third < 0xC0; ++third) {
                const char form[] = {static_cast<char>(lead), static_cast<char>(second), static_cast<char>(third)};
                ExpectUtf8AsIconv("a" + std::string(form, sizeof form) + "b");
            }
        }
        if (HasFailure()) return;
    }
    for (unsigned first = 0x80; first < 0x100; ++first) {
        for (unsigned second = 0; second < 0x100; ++second) {
            const std::string bytes = {'a', static_cast<char>(first), static_cast<char>(second)};
            ExpectAnsiAsIconv(bytes);
            ExpectUtf8AsIconv(bytes);
        }
        ExpectAnsiAsIconv(std::string(1, static_cast<char>(first)));
        if (HasFailure()) return;
    }
}

// Texts of pieces drawn at random: mostly what the tables convert, ASCII between, now
// and then a piece that sends the rest of the text to iconv, now and then all shuffled.
class RandomText {
public:
    explicit RandomText(unsigned seed) : random_(seed) {}

    std::string Utf8() {
        static const std::vector<std::string> rare = {
            "\x80", "\xBF", "\xC0\x80", "\xC1\xBF", "\xC2", "\xE5", "\xE5\xAE", "\xF0\x9F\x98", "\xE0\x80\x80",
            "\xE0\x9F\xBF", "\xED\xA0\x80", "\xED\xBF\xBF", "\xF0\x9F\x98\x80", "\xF0\x80\x80\x80",
            "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80", "\xFC\x84\x80\x80\x80\x80", "\xFE",
            "\xFF", "\xEF\xBF\xBD", "\xEF\xBF\xBF", "\xE0\xB8\x81", "\xEE\x80\x80", "\xEF\xA3\xBF"};
        return Text([&]() -> std::string {
            const size_t kind = Below(20);
            if (kind < 6) return Utf8Of(Between(0x80, 0x800));
            if (kind < 14) return Utf8Of(Between(0x4E00, 0xA000));
            if (kind < 18) return Utf8Of(Between(0x800, 0x10000));
            return kind == 18 ? "\xE2\x82\xAC" : rare[Below(rare.size())];
        });
    }

    std::string Ansi() {
        static const std::vector<std::string> rare = {"\xFF", "\x81", "\xFE", "\x81\x7F", "\x81\xFF",
                                                      "\xA1\x30", "\xB1\x0A", "\xAA\xA1", "\xFE\xFE", "\xA7\x40"};
        return Text([&]() -> std::string {
            const auto byte = [&](char32_t low, char32_t high) {
                return static_cast<char>(Between(low, high + 1));
            };
            const size_t kind = Below(20);
            if (kind < 10) return {byte(0xB0, 0xF7), byte(0xA1, 0xFE)};
            if (kind < 15) return {byte(0x81, 0xFE), byte(0x40, 0xFE)};
            if (kind < 18) return {byte(0x81, 0xFE), byte(0x40, 0x7E)};
            return kind == 18 ? "\x80" : rare[Below(rare.size())];
        });
    }

private:
    template <class Piece>
    std::string Text(Piece piece) {
        std::string text;
        for (size_t pieces = Below(40); pieces > 0; --pieces) {
            if (Below(3) == 0) {
                for (size_t n = Below(12); n > 0; --n) text += static_cast<char>(Between(0x00, 0x80));
            } else {
                text += piece();
            }
        }
        if (Below(10) == 0) std::shuffle(text.begin(), text.end(), random_);
        return text;
    }

    size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
    char32_t Between(uint32_t low, uint32_t high) {
        return std::uniform_int_distribution<uint32_t>(low, high - 1)(random_);
    }

    std::mt19937 random_;
};

TEST(TableConversion, RandomTextConvertsAsIconvConvertsIt) {
    RandomText random(936);
    for (int i = 0; i < 20000 && !HasFailure(); ++i) {
        ExpectUtf8AsIconv(random.Utf8());
        ExpectAnsiAsIconv(random.Ansi());
    }
}

} // namespace
