// Text conversions at the edge of the programs. Inside, all text is code page 936
// bytes; the code page is fixed, never the system's ANSI code page, so the programs
// behave the same on a Windows whose ANSI code page is English or UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

constexpr unsigned kTextCodePage = 936;

// True for a byte that starts a two-byte character of code page 936: the code page is
// fixed, and so is its range; inline, for the loops that step through text byte by byte.
constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Invalid input becomes a substitute character; nothing is dropped silently.
std::u16string AnsiToUtf16(std::string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

// `lost`, when given, is set to whether a character had no equivalent in code page 936
// and was replaced by the default character "?".
std::string Utf16ToAnsi(std::u16string_view text, bool* lost = nullptr);

// Whether code page 936 has the character; it has none beyond the 16-bit range.
inline bool HoldsCharacter(uint32_t codePoint) {
    if (codePoint > 0xFFFF) return false;
    const char16_t unit = static_cast<char16_t>(codePoint);
    bool lost = false;
    Utf16ToAnsi(std::u16string_view(&unit, 1), &lost);
    return !lost;
}
std::string Utf16ToUtf8(std::u16string_view text);

// Between UTF-8 and code page 936 in one call: the same bytes, substitutes and `lost`
// as going through UTF-16.
std::string Utf8ToAnsi(std::string_view text, bool* lost = nullptr);
std::string AnsiToUtf8(std::string_view text);

} // namespace platform
