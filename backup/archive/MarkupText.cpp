#include "archive/MarkupText.h"

#include "platform/CodePage.h"
#include "xml/EntityTable.h"

namespace nook {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "&#digits;" or "&#xhex;" at `at`: its length, or 0. More digits than a code point
// needs are refused rather than risk overflow; browsers then see the text as written,
// because the "&" is written as a reference.
size_t ReadNumericReference(std::string_view text, size_t at, uint32_t& codePoint) {
    size_t i = at + 2;
    const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    if (hex) ++i;
    const size_t digitsBegin = i;
    const size_t maxDigits = hex ? 6 : 7;
    uint32_t value = 0;
    for (; i < text.size() && i - digitsBegin < maxDigits; ++i) {
        const int digit = hex ? HexValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0) break;
        value = value * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
    }
    if (i == digitsBegin || i >= text.size() || text[i] != ';' || value == 0 || value > 0x10FFFF) return 0;
    codePoint = value;
    return i + 1 - at;
}

// "&name;" at `at` with a name the browser knows: its length, or 0. The names of ASCII
// characters count only all in lower or all in upper case ("&Lt;" is another
// character in newer browsers).
size_t ReadNamedReference(std::string_view text, size_t at, uint32_t& codePoint) {
    constexpr size_t kLongestName = 8; // "thetasym"
    char lower[kLongestName];
    bool anyLower = false, anyUpper = false;
    size_t length = 0;
    for (size_t i = at + 1; i < text.size() && text[i] != ';'; ++i, ++length) {
        const char c = text[i];
        if (length == kLongestName || !(IsAsciiLetter(c) || IsDigit(c))) return 0;
        anyLower |= c >= 'a' && c <= 'z';
        anyUpper |= c >= 'A' && c <= 'Z';
        lower[length] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    if (length == 0 || at + 1 + length >= text.size()) return 0;
    const long found = xml::LookUpEntity(std::string_view(lower, length));
    if (found <= 0 || (found < 0x80 && anyLower && anyUpper)) return 0;
    codePoint = static_cast<uint32_t>(found);
    return length + 2;
}

bool IsTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE;
}

// Code page 936 puts the full-width forms of "!" to "}" at A3A1-A3FD.
uint32_t TwoByteCodePoint(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFD && trail != 0xA4) return 0xFF01u + (trail - 0xA1u);
    return kOtherCharacter;
}

} // namespace

size_t ReadKeptReference(std::string_view text, size_t at, uint32_t& codePoint) {
    if (text.compare(at, 2, "&#") != 0) return 0;
    const size_t length = ReadNumericReference(text, at, codePoint);
    return length != 0 && !platform::HoldsCharacter(codePoint) ? length : 0;
}

MarkupChar ReadMarkupChar(std::string_view text, size_t at) {
    const unsigned char byte = static_cast<unsigned char>(text[at]);
    if (byte == '&') {
        uint32_t codePoint = 0;
        const bool numeric = at + 1 < text.size() && text[at + 1] == '#';
        if (const size_t length =
                numeric ? ReadNumericReference(text, at, codePoint) : ReadNamedReference(text, at, codePoint))
            return {length, codePoint};
        return {1, '&'};
    }
    if (byte < 0x80) return {1, byte};
    if (!platform::IsLeadByte(byte)) return {1, kOtherCharacter};
    if (at + 1 < text.size() && IsTrailByte(static_cast<unsigned char>(text[at + 1])))
        return {2, TwoByteCodePoint(byte, static_cast<unsigned char>(text[at + 1]))};
    return {1, 0};
}

void AppendMarkup(std::string& out, std::string_view text, bool quoted) {
    for (size_t i = 0; i < text.size();) {
        const MarkupChar c = ReadMarkupChar(text, i);
        if (c.length == 1) {
            switch (text[i]) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += quoted ? "&quot;" : "\"";
                break;
            case '`':
                out += quoted ? "&#96;" : "`";
                break;
            default:
                if (c.codePoint != 0) out += text[i];
                break;
            }
        } else {
            out.append(text, i, c.length);
        }
        i += c.length;
    }
}

char AsciiOf(uint32_t codePoint, bool loose) {
    if (loose && codePoint > 0xFFFF && codePoint <= 0x10FFFF) codePoint &= 0xFFFF;
    if (codePoint != 0 && codePoint < 0x80) return static_cast<char>(codePoint);
    if (loose && codePoint >= 0xFF01 && codePoint <= 0xFF5E) return static_cast<char>(codePoint - 0xFEE0);
    return kNotAscii;
}

std::string AsciiView(std::string_view text, bool loose) {
    std::string view;
    view.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const MarkupChar c = ReadMarkupChar(text, i);
        if (c.codePoint != 0) view += AsciiOf(c.codePoint, loose);
        i += c.length;
    }
    return view;
}

} // namespace nook
