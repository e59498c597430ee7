// Code page 936 through iconv's CP936 table, which matches the Windows table for the
// characters the programs meet. Failures are substituted the way Windows does: "?" for
// a character code page 936 lacks, U+FFFD for undecodable input.
//
// Between UTF-8 and code page 936 one iconv takes the text straight across, and runs of
// ASCII, the bulk of markup and paths, skip iconv. Text with anything iconv cannot take
// goes the way through UTF-16 instead, whose substitutes are the rule. The one-step
// functions themselves go by table (TableConversion.cpp); these are what the tables must
// give, and take over where the tables have no answer; so is AnsiToUtf16's.
#include "platform/CodePage.h"

#include "platform/posix/IconvCodePage.h"
#include "platform/posix/IconvConverter.h"

#include <optional>

namespace platform {

namespace {

std::u16string ToUtf16(const char* from, std::string_view text, std::string_view substitute) {
    IconvConverter c("UTF-16LE", from);
    std::string bytes = c.Run(text.data(), text.size(), substitute, 1, nullptr);
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return out;
}

std::string FromUtf16(const char* to, std::u16string_view text, std::string_view substitute, bool* lost) {
    std::string bytes(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    IconvConverter c(to, "UTF-16LE");
    // One UTF-16 unit at a time: like Windows, a surrogate pair code page 936 lacks
    // becomes two "?".
    return c.Run(bytes.data(), bytes.size(), substitute, 2, lost);
}

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// `text` converted straight from `from` to `to`, runs of ASCII passed through; false when
// iconv met anything it could not take.
bool ConvertDirect(const char* to, const char* from, std::string_view text, bool codePage936, std::string& out) {
    std::optional<IconvConverter> c; // opened at the first run that needs it: paths are mostly ASCII
    out.reserve(text.size() + text.size() / 2);
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        size_t start = i;
        while (i < n && IsAscii(text[i])) ++i;
        out.append(text, start, i - start);
        start = i;
        // An ASCII byte after a lead byte may be its trail byte: the run takes it along,
        // so that iconv pairs the bytes as it would in the whole text.
        while (i < n && (!IsAscii(text[i]) || (codePage936 && IsLeadByte(static_cast<unsigned char>(text[i - 1])))))
            ++i;
        if (i == start) continue;
        if (!c) c.emplace(to, from);
        const char* in = text.data() + start;
        size_t inLeft = i - start;
        if (c->RunExact(in, inLeft, out) != 0) return false;
    }
    return true;
}

constexpr std::string_view kUtf16Replacement("\xFD\xFF", 2); // U+FFFD, little-endian
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";

} // namespace

std::u16string IconvAnsiToUtf16(std::string_view text) { return ToUtf16("CP936", text, kUtf16Replacement); }
std::u16string Utf8ToUtf16(std::string_view text) { return ToUtf16("UTF-8", text, kUtf16Replacement); }

std::string Utf16ToAnsi(std::u16string_view text, bool* lost) {
    return FromUtf16("CP936", text, "?", lost);
}

std::string Utf16ToUtf8(std::u16string_view text) { return FromUtf16("UTF-8", text, kUtf8Replacement, nullptr); }

std::string IconvUtf8ToAnsi(std::string_view text, bool* lost) {
    std::string out;
    if (ConvertDirect("CP936", "UTF-8", text, false, out)) {
        if (lost) *lost = false;
        return out;
    }
    return Utf16ToAnsi(Utf8ToUtf16(text), lost);
}

std::string IconvAnsiToUtf8(std::string_view text) {
    std::string out;
    return ConvertDirect("UTF-8", "CP936", text, true, out) ? out : Utf16ToUtf8(IconvAnsiToUtf16(text));
}

} // namespace platform
