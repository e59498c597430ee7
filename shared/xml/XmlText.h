// Character-level helpers of the XML document over code page 936 text: a lead byte
// followed by a non-zero byte is one character, and its trail byte is never markup.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace nook::xml {

// Lead bytes of code page 936, looked up once from the platform layer.
class LeadByteTable {
public:
    static const LeadByteTable& Get() {
        static const LeadByteTable table;
        return table;
    }
    bool operator()(unsigned char byte) const { return lead_[byte]; }
    // Whether the lead bytes are exactly 0x81-0xFE, which lets scans test eight bytes
    // at a time.
    bool IsRange81ToFE() const { return range81ToFE_; }

private:
    LeadByteTable();
    bool lead_[256];
    bool range81ToFE_;
};

inline bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Bytes of the character at `at` (1 or 2); `at` must be inside the text.
inline size_t CharLength(std::string_view text, size_t at) {
    return LeadByteTable::Get()(static_cast<unsigned char>(text[at])) && at + 1 < text.size() && text[at + 1] != '\0'
               ? 2
               : 1;
}

// FindMarkup past its first bytes.
size_t FindMarkupFar(std::string_view text, char ch, size_t from, size_t end);

// Position of the first `ch` in [from, end) that is a character of its own, not the
// trail byte of a two-byte one, or `end`. `from` must be where a character starts;
// `ch` is an ASCII character other than NUL. Short values are stepped through here,
// longer ones searched with memchr.
inline size_t FindMarkup(std::string_view text, char ch, size_t from, size_t end) {
    const LeadByteTable& lead = LeadByteTable::Get();
#ifdef __SSE2__
    // Sixteen bytes at once: a hit with no byte of a two-byte character before it is
    // certain; sixteen single-byte characters without a hit are passed over.
    if (end - from >= 16 && lead.IsRange81ToFE()) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from));
        const unsigned hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(ch))));
        const unsigned high = static_cast<unsigned>(_mm_movemask_epi8(bytes));
        if (hits == 0) return FindMarkupFar(text, ch, high == 0 ? from + 16 : from, end);
        const unsigned first = static_cast<unsigned>(__builtin_ctz(hits));
        if ((high & ((1u << first) - 1)) == 0) return from + first;
    }
#endif
    const size_t nearEnd = end - from > 16 ? from + 16 : end;
    size_t i = from;
    while (i < nearEnd) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b == static_cast<unsigned char>(ch)) return i;
        i += lead(b) && i + 1 < text.size() && text[i + 1] != '\0' ? 2 : 1;
    }
    return i >= end ? end : FindMarkupFar(text, ch, i, end);
}
inline size_t FindMarkup(std::string_view text, char ch, size_t from = 0) { return FindMarkup(text, ch, from, text.size()); }

// Compares n bytes, ASCII letters without case until the first byte at or above 0x80
// has matched, exactly from there on. 0 when equal, else the difference of the first
// unequal bytes.
int CompareNoCase(const char* a, const char* b, size_t n);

// A stored element or attribute name matches an asked name when it equals it, or equals
// its start and the asked name goes on with one of " =/[]".
inline bool NameMatches(std::string_view stored, std::string_view asked) {
    if (asked.size() < stored.size()) return false;
    if (asked.size() > stored.size()) {
        const char next = asked[stored.size()];
        if (next != ' ' && next != '=' && next != '/' && next != '[' && next != ']') return false;
    }
    return asked.compare(0, stored.size(), stored) == 0;
}

// Whether an attribute name reads back as written: not empty, and free of white space,
// quotes and "=<>/?&".
bool IsPlainName(std::string_view name);

// An element's name as the tokenizer reads it: from after "<" up to " \t\n\r/>".
std::string_view ElementNameAt(std::string_view text, size_t lessThan);

// An element's name as navigation reads it: white space after "<" skipped, then up to
// white space or one of "<>=\/?!".
std::string_view TagNameAt(std::string_view text, size_t lessThan);

// The message formats that print a name: the full build cuts names at 50 bytes.
std::string FormatMessage(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

#ifdef NOOK_XML_REDUCED
#define NOOK_XML_NAME "%s"
#else
#define NOOK_XML_NAME "%.50s"
#endif

} // namespace nook::xml
