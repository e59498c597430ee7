// Code page 936 through iconv's CP936 table, which matches the Windows table for the
// characters the programs meet. Failures are substituted the way Windows does: "?" for
// a character code page 936 lacks, U+FFFD for undecodable input.
#include "platform/CodePage.h"

#include <iconv.h>

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

    // Converts `in`; on input iconv cannot take, appends `substitute` and skips `skip`
    // input bytes (at least one) so that the rest still converts.
    std::string Run(const char* in, size_t inLeft, std::string_view substitute, size_t (*skip)(const char*, size_t),
                    bool* lost) {
        std::string out;
        if (lost) *lost = false;
        char buffer[4096];
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t r = iconv(cd_, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
            out.append(substitute);
            if (lost) *lost = true;
            size_t n = errno == EINVAL ? inLeft : skip(in, inLeft);
            in += n;
            inLeft -= n;
        }
        return out;
    }

private:
    iconv_t cd_;
};

size_t OneByte(const char*, size_t) { return 1; }

// One UTF-16 unit: like Windows, a surrogate pair code page 936 lacks becomes two "?".
size_t OneUnit(const char*, size_t) { return 2; }

std::u16string ToUtf16(const char* from, std::string_view text, std::string_view substitute) {
    Converter c("UTF-16LE", from);
    std::string bytes = c.Run(text.data(), text.size(), substitute, OneByte, nullptr);
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
    Converter c(to, "UTF-16LE");
    return c.Run(bytes.data(), bytes.size(), substitute, OneUnit, lost);
}

constexpr std::string_view kUtf16Replacement("\xFD\xFF", 2); // U+FFFD, little-endian
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";

} // namespace

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::u16string AnsiToUtf16(std::string_view text) { return ToUtf16("CP936", text, kUtf16Replacement); }
std::u16string Utf8ToUtf16(std::string_view text) { return ToUtf16("UTF-8", text, kUtf16Replacement); }

std::string Utf16ToAnsi(std::u16string_view text, bool* lost) {
    return FromUtf16("CP936", text, "?", lost);
}

std::string Utf16ToUtf8(std::u16string_view text) { return FromUtf16("UTF-8", text, kUtf8Replacement, nullptr); }

} // namespace platform
