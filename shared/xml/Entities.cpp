// Plain text <-> markup text. The full build decodes every HTML 4.01 character
// reference by name; the reduced build knows the five XML names only.
#include "xml/XmlDocument.h"
#include "xml/XmlText.h"

#include "platform/CodePage.h"

#ifndef NOOK_XML_REDUCED
#include "xml/EntityTable.h"

#include <cstdlib>
#else
#include "xml/ReferenceDigit.h"
#endif

namespace nook {
inline namespace NOOK_XML_BUILD {

namespace {

// Appends the character in code page 936; false when it has no equivalent, as no
// character beyond the 16-bit range has (its low bits would name another one).
bool AppendCharacter(unsigned long codePoint, std::string& out) {
    if (codePoint == 0 || codePoint > 0xFFFF) return false;
    const char16_t unit = static_cast<char16_t>(codePoint);
    if (unit < 0x80) { // ASCII is the same in code page 936
        out += static_cast<char>(unit);
        return true;
    }
    bool lost = false;
    const std::string bytes = platform::Utf16ToAnsi(std::u16string_view(&unit, 1), &lost);
    if (lost || bytes.empty() || bytes.size() > 5) return false;
    out += bytes;
    return true;
}

// The five XML names, written as they nearly always are. Both builds know them; the full
// build's table gives the same characters, so it is asked only for the rest.
size_t DecodeXmlName(std::string_view text, size_t at, std::string& out) {
    const std::string_view rest = text.substr(at + 1, 5);
    auto is = [&](const char* name, size_t length) {
        if (rest.size() < length) return false;
        for (size_t i = 1; i < length; ++i)
            if (rest[i] != name[i]) return false;
        return true;
    };
    char plain;
    size_t length;
    switch (rest.empty() ? '\0' : rest[0]) {
    case 'l': plain = '<', length = is("lt;", 3) ? 3 : 0; break;
    case 'g': plain = '>', length = is("gt;", 3) ? 3 : 0; break;
    case 'q': plain = '"', length = is("quot;", 5) ? 5 : 0; break;
    case 'a':
        if (is("amp;", 4)) plain = '&', length = 4;
        else plain = '\'', length = is("apos;", 5) ? 5 : 0;
        break;
    default: return 0;
    }
    if (length != 0) out += plain;
    return length == 0 ? 0 : length + 1;
}

#ifndef NOOK_XML_REDUCED
// Any HTML 4.01 name (without regard to case) or number: the name runs to a ";" within
// nine characters; numbers follow the rules of strtol.
size_t DecodeReference(std::string_view text, size_t at, std::string& out) {
    if (const size_t covered = DecodeXmlName(text, at, out)) return covered;
    char name[10];
    size_t length = 0;
    for (size_t i = at + 1;; ++i, ++length) {
        if (length == 9 || i >= text.size()) return 0;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) return 0;
        if (c == ';') break;
        name[length] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    name[length] = '\0';
    long codePoint;
    if (name[0] == '#')
        codePoint = name[1] == 'x' ? std::strtol(name + 2, nullptr, 16) : std::strtol(name + 1, nullptr, 10);
    else
        codePoint = xml::LookUpEntity(std::string_view(name, length));
    return codePoint != 0 && AppendCharacter(static_cast<unsigned long>(codePoint), out) ? length + 2 : 0;
}
#else
bool StartsWith(std::string_view text, size_t at, std::string_view what) { return text.compare(at, what.size(), what) == 0; }

// The five names, byte for byte, and "&#" with decimal digits or "x" and hexadecimal
// digits, at most seven characters before the ";".
size_t DecodeReference(std::string_view text, size_t at, std::string& out) {
    if (const size_t covered = DecodeXmlName(text, at, out)) return covered;
    if (!StartsWith(text, at + 1, "#")) return 0;
    const size_t digitsBegin = at + 2 + (StartsWith(text, at + 2, "x") ? 1 : 0);
    const bool hex = digitsBegin > at + 2;
    unsigned long number = 0;
    size_t i = digitsBegin;
    for (; i < text.size() && i - (at + 2) <= 7; ++i) {
        const int digit = xml::ReferenceDigit(text[i], hex);
        if (digit < 0) break;
        number = number * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
    }
    if (i == digitsBegin || i >= text.size() || text[i] != ';' || i - (at + 2) > 7 || number == 0) return 0;
    return AppendCharacter(number, out) ? i - at + 1 : 0;
}
#endif

} // namespace

std::string CXmlDocument::EncodeEntities(std::string_view text, bool attributeMode) {
    // Runs of characters that stay as they are are copied whole: most text has few
    // characters to escape, and the index files of a large archive pass every value here.
    const xml::LeadByteTable& lead = xml::LeadByteTable::Get();
    std::string out;
    out.reserve(text.size() + text.size() / 10 + 7);
    size_t run = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (lead(static_cast<unsigned char>(c))) {
            // A lead byte cut off at the end would swallow the quote or "<" written after it.
            if (i + 1 == text.size()) break;
            i += xml::CharLength(text, i);
            continue;
        }
        const char* entity = nullptr;
        switch (c) {
        case '<': entity = "&lt;"; break;
        case '&': entity = "&amp;"; break;
        case '>': entity = "&gt;"; break;
        case '\'': entity = attributeMode ? "&apos;" : nullptr; break;
        case '"': entity = attributeMode ? "&quot;" : nullptr; break;
        default: break;
        }
        if (entity) {
            out.append(text, run, i - run);
            out += entity;
            run = i + 1;
        }
        ++i;
    }
    out.append(text, run, i - run);
    return out;
}

std::string CXmlDocument::EncodeCData(std::string_view text) {
    std::string out = "<![CDATA[";
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 3, "]]>") == 0) {
            out += "]]]]><![CDATA[>";
            i += 3;
            continue;
        }
        const size_t length = xml::CharLength(text, i);
        out.append(text, i, length);
        i += length;
    }
    out += "]]>";
    return out;
}

std::string CXmlDocument::DecodeEntities(std::string_view text) {
    size_t amp = xml::FindMarkup(text, '&', 0);
    if (amp == text.size()) return std::string(text); // most values hold no reference
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        // Copy up to the next "&" in one piece.
        if (i > 0) amp = xml::FindMarkup(text, '&', i);
        out.append(text, i, amp - i);
        if (amp == text.size()) break;
        const size_t covered = DecodeReference(text, amp, out);
        if (covered == 0) out += '&';
        i = amp + (covered != 0 ? covered : 1);
    }
    return out;
}

} // namespace NOOK_XML_BUILD
} // namespace nook
