// Code page 936 through iconv's CP936 table, which matches the Windows table for the
// characters the programs meet. Failures are substituted the way Windows does: "?" for
// a character code page 936 lacks, U+FFFD for undecodable input.
//
// Runs of ASCII, the bulk of markup, are the same characters in all three encodings and
// skip iconv; only the runs between them are converted, each on its own.
#include "platform/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace platform {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Appends `in` converted to `out`. On input iconv cannot take, appends `substitute`
    // and skips `skip` input bytes so that the rest still converts; an incomplete
    // character that ends the whole text is substituted once.
    void Run(const char* in, size_t inLeft, bool endsText, std::string_view substitute, size_t skip,
             std::string& out, bool& lost) {
        char buffer[4096];
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t r = iconv(cd_, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
            out.append(substitute);
            lost = true;
            size_t n = errno == EINVAL && endsText ? inLeft : std::min(skip, inLeft);
            in += n;
            inLeft -= n;
        }
    }

private:
    iconv_t cd_;
};

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

std::u16string ToUtf16(const char* from, std::string_view text, std::string_view substitute, bool codePage936) {
    Converter c("UTF-16LE", from);
    std::u16string out;
    out.reserve(text.size());
    std::string bytes;
    bool lost = false;
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        for (; i < n && IsAscii(text[i]); ++i) out.push_back(static_cast<char16_t>(text[i]));
        size_t start = i;
        // An ASCII byte after a lead byte may be its trail byte: the run takes it along, so
        // that iconv pairs the bytes as it would in the whole text.
        while (i < n && (!IsAscii(text[i]) || (codePage936 && IsLeadByte(static_cast<unsigned char>(text[i - 1])))))
            ++i;
        if (i == start) continue;
        bytes.clear();
        c.Run(text.data() + start, i - start, i == n, substitute, 1, bytes, lost);
        for (size_t b = 0; b + 1 < bytes.size(); b += 2)
            out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[b]) |
                                                static_cast<unsigned char>(bytes[b + 1]) << 8));
    }
    return out;
}

std::string FromUtf16(const char* to, std::u16string_view text, std::string_view substitute, bool* lost) {
    Converter c(to, "UTF-16LE");
    std::string out;
    out.reserve(text.size());
    std::string bytes;
    bool anyLost = false;
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        for (; i < n && text[i] < 0x80; ++i) out.push_back(static_cast<char>(text[i]));
        size_t start = i;
        while (i < n && text[i] >= 0x80) ++i;
        if (i == start) continue;
        bytes.clear();
        for (size_t u = start; u < i; ++u) {
            bytes.push_back(static_cast<char>(text[u] & 0xFF));
            bytes.push_back(static_cast<char>(text[u] >> 8));
        }
        // One UTF-16 unit at a time: like Windows, a surrogate pair code page 936 lacks
        // becomes two "?".
        c.Run(bytes.data(), bytes.size(), i == n, substitute, 2, out, anyLost);
    }
    if (lost) *lost = anyLost;
    return out;
}

constexpr std::string_view kUtf16Replacement("\xFD\xFF", 2); // U+FFFD, little-endian
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";

} // namespace

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::u16string AnsiToUtf16(std::string_view text) { return ToUtf16("CP936", text, kUtf16Replacement, true); }
std::u16string Utf8ToUtf16(std::string_view text) { return ToUtf16("UTF-8", text, kUtf16Replacement, false); }

std::string Utf16ToAnsi(std::u16string_view text, bool* lost) {
    return FromUtf16("CP936", text, "?", lost);
}

std::string Utf16ToUtf8(std::u16string_view text) { return FromUtf16("UTF-8", text, kUtf8Replacement, nullptr); }

} // namespace platform
