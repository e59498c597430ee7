#include "xml/XmlText.h"

#include "platform/CodePage.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace nook::xml {

LeadByteTable::LeadByteTable() : range81ToFE_(true) {
    for (int b = 0; b < 256; ++b) {
        lead_[b] = platform::IsLeadByte(static_cast<unsigned char>(b));
        if (lead_[b] != (b >= 0x81 && b <= 0xFE)) range81ToFE_ = false;
    }
}

namespace {

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

bool HasZeroByte(uint64_t v) { return ((v - kOnes) & ~v & kHighBits) != 0; }

// All eight bytes in 0x81-0xFE: high bit set, none 0x80, none 0xFF.
bool AllInRange81ToFE(uint64_t v) { return (v & kHighBits) == kHighBits && !HasZeroByte(v ^ kHighBits) && !HasZeroByte(~v); }

// How many bytes just before `at`, back to `from` at most, are lead bytes; sixteen or
// eight at a time while they are.
size_t LeadRunBefore(const char* base, size_t from, size_t at, const LeadByteTable& lead) {
    size_t j = at;
    if (lead.IsRange81ToFE()) {
#ifdef __SSE2__
        const __m128i belowLow = _mm_set1_epi8(static_cast<char>(0x80)); // as signed bytes: 0x81-0xFE
        const __m128i aboveHigh = _mm_set1_epi8(static_cast<char>(0xFF)); // lie strictly between these
        while (j - from >= 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + j - 16));
            const __m128i inRange = _mm_and_si128(_mm_cmpgt_epi8(bytes, belowLow), _mm_cmplt_epi8(bytes, aboveHigh));
            if (_mm_movemask_epi8(inRange) != 0xFFFF) break;
            j -= 16;
        }
#endif
        while (j - from >= 8) {
            uint64_t word;
            std::memcpy(&word, base + j - 8, 8);
            if (!AllInRange81ToFE(word)) break;
            j -= 8;
        }
    }
    while (j > from && lead(static_cast<unsigned char>(base[j - 1]))) --j;
    return at - j;
}

} // namespace

// memchr finds the byte; whether it starts a character follows from the run of lead
// bytes just before it: they pair up from the last byte that cannot be a lead byte (or
// from `from`), so an odd run means the byte is a trail byte.
size_t FindMarkupFar(std::string_view text, char ch, size_t from, size_t end) {
    const LeadByteTable& lead = LeadByteTable::Get();
    const char* base = text.data();
    size_t pos = from;
    while (pos < end) {
        const void* hit = std::memchr(base + pos, ch, end - pos);
        if (!hit) break;
        const size_t at = static_cast<size_t>(static_cast<const char*>(hit) - base);
        if (LeadRunBefore(base, pos, at, lead) % 2 == 0) return at;
        pos = at + 1;
    }
    return end;
}

int CompareNoCase(const char* a, const char* b, size_t n) {
    bool folding = true;
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (folding) {
            if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
            if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        }
        if (x != y) return x - y;
        if (x >= 0x80) folding = false;
    }
    return 0;
}

bool IsPlainName(std::string_view name) {
    if (name.empty()) return false;
    for (size_t i = 0; i < name.size();) {
        const size_t length = CharLength(name, i);
        if (length == 1) {
            const char c = name[i];
            if (IsXmlSpace(c) || c == '"' || c == '\'' || c == '=' || c == '<' || c == '>' || c == '/' || c == '?' ||
                c == '&' || (i + 1 == name.size() && LeadByteTable::Get()(static_cast<unsigned char>(c))))
                return false;
        }
        i += length;
    }
    return true;
}

std::string_view ElementNameAt(std::string_view text, size_t lessThan) {
    size_t begin = lessThan + 1, end = begin;
    while (end < text.size()) {
        char c = text[end];
        if (IsXmlSpace(c) || c == '/' || c == '>') break;
        end += CharLength(text, end);
    }
    return text.substr(begin, end - begin);
}

std::string_view TagNameAt(std::string_view text, size_t lessThan) {
    size_t begin = lessThan + 1;
    while (begin < text.size() && IsXmlSpace(text[begin])) ++begin;
    size_t end = begin;
    while (end < text.size()) {
        char c = text[end];
        if (IsXmlSpace(c) || c == '<' || c == '>' || c == '=' || c == '\\' || c == '/' || c == '?' || c == '!') break;
        end += CharLength(text, end);
    }
    return text.substr(begin, end - begin);
}

std::string FormatMessage(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, again);
    va_end(again);
    return out;
}

} // namespace nook::xml
