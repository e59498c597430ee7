// The characters of HTML text and attribute values written by other people, in code
// page 936. A character is a valid character reference, a lead byte with a trail byte
// (0x40-0xFE), or one byte. A lead byte without its trail byte is no character: written
// before a quote or "<" it would make a browser that pairs bytes blindly swallow them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nook {

// Code point of a character that is neither ASCII nor a full-width form.
inline constexpr uint32_t kOtherCharacter = 0x110000;

struct MarkupChar {
    size_t length = 1; // bytes it takes in the text
    // Unicode for ASCII bytes, references and the full-width forms of ASCII;
    // kOtherCharacter for other characters; 0 for a NUL or a lead byte without its trail.
    uint32_t codePoint = 0;
};

// The character starting at `at` (< text.size()). A reference is "&#digits;",
// "&#xhex;" (1 to 0x10FFFF) or a known name with ";"; other "&" stand for themselves.
MarkupChar ReadMarkupChar(std::string_view text, size_t at);

// The length of the numeric reference at `at` when it names a character code page 936
// lacks, else 0. The answer keeps such characters as references (service/AnswerText.h),
// so in plain text too (a title, a name) they stand for the character.
size_t ReadKeptReference(std::string_view text, size_t at, uint32_t& codePoint);

// Appends `text` as markup that a browser reads as the same characters: references
// stay as written, a stray "&" and "<", ">" become references, in a double-quoted
// attribute value (`quoted`) also '"' and "`" (which old browsers took for a quote);
// NULs and lead bytes without their trail byte are dropped.
void AppendMarkup(std::string& out, std::string_view text, bool quoted);

// What a check sees of `text`: references decoded, every other character that is not
// ASCII one kNotAscii byte; NULs and broken characters left out. `loose` also reads
// the ASCII a character may be taken for: full-width forms (old browsers read
// "ｅｘｐｒｅｓｓｉｏｎ" in a style as "expression") and references beyond U+FFFF by
// their low 16 bits, as a reader that keeps only those would take them.
inline constexpr char kNotAscii = '\x80';
std::string AsciiView(std::string_view text, bool loose = false);
// The same for one code point.
char AsciiOf(uint32_t codePoint, bool loose);

} // namespace nook
