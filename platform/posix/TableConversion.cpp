// The one-step conversions between UTF-8 and code page 936, and code page 936 to UTF-16,
// by table: runs of ASCII are
// copied, every other character is looked up. Each table entry is iconv's answer for its
// character alone, and both iconv conversions go character by character without state,
// so text the tables convert whole comes out as iconv would convert it.
//
// At the first character without an entry (bad bytes, a character code page 936 lacks,
// anything beyond U+FFFF) the rest of the text goes to iconv's own one-step conversion.
// What came before converted cleanly and ends between two characters, so iconv makes the
// same of the rest as of the whole: the same bytes, substitutes and `lost`.
#include "platform/CodePage.h"

#include "platform/posix/CodePageTables.h"
#include "platform/posix/IconvCodePage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// The most bytes one character takes in either code.
constexpr size_t kMaxCharBytes = 3;

// Converts `text`: `convertOne(tables, in, end, to)` writes the character at `in` (not
// ASCII), moves `to` past it and returns its length, or returns 0 when the tables have
// none; `convertRest` then takes the rest. The output is written in place into a string
// sized ahead (`expected`, grown when short), the pointers kept in locals so that they
// stay in registers; ASCII goes eight bytes at a time while it lasts.
template <class ConvertOne, class ConvertRest>
std::string Convert(std::string_view text, size_t expected, ConvertOne convertOne, ConvertRest convertRest) {
    const CodePageTables& tables = CodePageTables::Get();
    std::string out(expected, '\0');
    char* base = &out[0];
    char* to = base;
    char* limit = base + out.size();
    const auto makeRoom = [&](size_t n) {
        if (static_cast<size_t>(limit - to) >= n) return;
        const size_t used = static_cast<size_t>(to - base);
        out.resize(std::max(out.size() * 2, used + n));
        base = &out[0];
        to = base + used;
        limit = base + out.size();
    };
    const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = begin + text.size();
    for (const unsigned char* in = begin; in < end;) {
        uint64_t word;
        if (end - in >= static_cast<std::ptrdiff_t>(sizeof word)) {
            std::memcpy(&word, in, sizeof word);
            if ((word & 0x8080808080808080u) == 0) {
                makeRoom(sizeof word);
                std::memcpy(to, &word, sizeof word);
                to += sizeof word;
                in += sizeof word;
                continue;
            }
        }
        makeRoom(kMaxCharBytes);
        if (*in < 0x80) {
            *to++ = static_cast<char>(*in++);
            continue;
        }
        const size_t length = convertOne(tables, in, end, to);
        if (length == 0) {
            const std::string rest = convertRest(text.substr(static_cast<size_t>(in - begin)));
            makeRoom(rest.size());
            to = std::copy(rest.begin(), rest.end(), to);
            break;
        }
        in += length;
    }
    out.resize(static_cast<size_t>(to - base));
    return out;
}

// The one UTF-16 unit of a table entry (entries are below U+10000).
char16_t Utf16Of(const Utf8Char& utf8) {
    const auto byte = [&](int i) { return static_cast<char16_t>(static_cast<unsigned char>(utf8.bytes[i])); };
    if (utf8.length == 1) return byte(0);
    if (utf8.length == 2) return static_cast<char16_t>((byte(0) & 0x1F) << 6 | (byte(1) & 0x3F));
    return static_cast<char16_t>((byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F));
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code point of the shortest two- or three-byte UTF-8 sequence at `in`, with its
// length; length 0 for anything else, which the tables leave to iconv.
uint32_t DecodeUtf8(const unsigned char* in, const unsigned char* end, size_t& length) {
    length = 0;
    const unsigned char lead = in[0];
    if ((lead & 0xE0) == 0xC0 && end - in >= 2 && IsContinuation(in[1])) {
        length = 2; // C0 and C1 give code points below 0x80, which have no entry
        return (lead & 0x1Fu) << 6 | (in[1] & 0x3Fu);
    }
    if ((lead & 0xF0) == 0xE0 && end - in >= 3 && IsContinuation(in[1]) && IsContinuation(in[2])) {
        const uint32_t codePoint = (lead & 0x0Fu) << 12 | (in[1] & 0x3Fu) << 6 | (in[2] & 0x3Fu);
        if (codePoint >= 0x800) length = 3;
        return codePoint;
    }
    return 0;
}

} // namespace

std::string Utf8ToAnsi(std::string_view text, bool* lost) {
    if (lost) *lost = false;
    const auto convertOne = [](const CodePageTables& tables, const unsigned char* in,
                               const unsigned char* end, char*& to) -> size_t {
        size_t length;
        const uint32_t codePoint = DecodeUtf8(in, end, length);
        const uint16_t ansi = length ? tables.AnsiOf(codePoint) : 0;
        if (ansi == 0) return 0;
        if (ansi > 0xFF) *to++ = static_cast<char>(ansi >> 8);
        *to++ = static_cast<char>(ansi & 0xFF);
        return length;
    };
    // Never longer than the UTF-8: no character of code page 936 is.
    return Convert(text, text.size(), convertOne,
                   [lost](std::string_view rest) { return IconvUtf8ToAnsi(rest, lost); });
}

std::string AnsiToUtf8(std::string_view text) {
    const auto convertOne = [](const CodePageTables& tables, const unsigned char* in,
                               const unsigned char* end, char*& to) -> size_t {
        const size_t left = static_cast<size_t>(end - in);
        const Utf8Char& utf8 = tables.Utf8Of(in[0], left >= 2 ? in[1] : 0);
        std::memcpy(to, utf8.bytes, sizeof utf8.bytes); // the room is there; only `length` count
        // Constant lengths under branches: the next character's bytes are read without
        // waiting for this one's table entry.
        if (utf8.taken == 2 && left >= 2) {
            to += utf8.length;
            return 2;
        }
        if (utf8.taken == 1) {
            to += utf8.length;
            return 1;
        }
        return 0;
    };
    return Convert(text, text.size() + text.size() / 2, convertOne, IconvAnsiToUtf8);
}

std::u16string AnsiToUtf16(std::string_view text) {
    const CodePageTables& tables = CodePageTables::Get();
    // Never more units than bytes: each character takes at least one.
    std::u16string out(text.size(), u'\0');
    char16_t* to = out.data();
    const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = begin + text.size();
    for (const unsigned char* in = begin; in < end;) {
        if (*in < 0x80) {
            *to++ = static_cast<char16_t>(*in++);
            continue;
        }
        const size_t left = static_cast<size_t>(end - in);
        const Utf8Char& utf8 = tables.Utf8Of(in[0], left >= 2 ? in[1] : 0);
        if (utf8.taken == 0 || utf8.taken > left) {
            out.resize(static_cast<size_t>(to - out.data()));
            return out + IconvAnsiToUtf16(text.substr(static_cast<size_t>(in - begin)));
        }
        *to++ = Utf16Of(utf8);
        in += utf8.taken;
    }
    out.resize(static_cast<size_t>(to - out.data()));
    return out;
}

} // namespace platform
