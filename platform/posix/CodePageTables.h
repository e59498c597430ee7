// Code page 936 by table, for the one-step conversions. Every entry is what iconv makes
// of that one character alone, so a lookup gives what iconv gives in any text; an empty
// entry means iconv refuses the character, and the caller leaves the text to iconv.
#pragma once

#include <array>
#include <cstdint>

namespace platform {

// The UTF-8 of one code page 936 character: `length` bytes of `bytes`, for `taken` bytes
// of code page 936; `taken` 0 for none.
struct Utf8Char {
    char bytes[3];
    uint8_t length : 2;
    uint8_t taken : 2;
};

class CodePageTables {
public:
    // Built at the first call, once for all threads.
    static const CodePageTables& Get();

    // Code page 936 of a code point below 0x10000: a byte when below 0x100, else the
    // lead byte in the high half; 0 for none (also for ASCII, which needs no table).
    uint16_t AnsiOf(uint32_t codePoint) const { return ansi_[codePoint]; }

    // The character that starts with `first` (0x80 or above), `next` the byte after it
    // (any byte at the end of the text: a character that takes two then stands cut).
    const Utf8Char& Utf8Of(unsigned char first, unsigned char next) const {
        return utf8_[(first - 0x80) << 8 | next];
    }

private:
    CodePageTables();

    // Arrays in the object, not behind pointers: the loops write bytes, which may alias
    // any pointer, but not the address of a member.
    std::array<uint16_t, 0x10000> ansi_{};
    std::array<Utf8Char, 0x80 << 8> utf8_{};
};

} // namespace platform
