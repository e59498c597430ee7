#include "service/AnswerText.h"

#include "platform/CodePage.h"
#include "xml/XmlDocument.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace nook {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

struct Utf8Char {
    uint32_t codePoint; // 0 for a byte that starts no well-formed character
    size_t length;
};

Utf8Char ReadUtf8Char(std::string_view utf8, size_t at) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) return {lead, 1};
    size_t length;
    uint32_t codePoint;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, codePoint = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, codePoint = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, codePoint = lead & 0x07;
    else return {0, 1};
    if (at + length > utf8.size()) return {0, 1};
    for (size_t i = 1; i < length; ++i) {
        if (!IsContinuation(utf8[at + i])) return {0, 1};
        codePoint = codePoint << 6 | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
    }
    const uint32_t shortest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (codePoint < shortest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return {0, 1};
    return {codePoint, length};
}

// Converts the answer in runs of characters code page 936 holds, one call a run that is
// not plain ASCII, and writes each character it lacks as a reference. Whether the code
// page holds a character is asked once per answer.
class CAnswerConverter {
  public:
    CAnswerConverter() : known_(0x10000, kUnknown) {}

    void Append(std::string_view utf8, std::string& ansi) {
        size_t run = 0;
        bool plain = true; // the run is ASCII, the same in code page 936
        for (size_t i = 0; i < utf8.size();) {
            const Utf8Char c = ReadUtf8Char(utf8, i);
            if (c.codePoint >= 0x80 && !Held(c.codePoint)) {
                AppendRun(utf8.substr(run, i - run), plain, ansi);
                ansi += "&#" + std::to_string(c.codePoint) + ";";
                run = i + c.length;
                plain = true;
            } else if (c.codePoint == 0 || c.codePoint >= 0x80) {
                plain = false; // broken sequences get the converter's substitute, as ever
            }
            i += c.length;
        }
        AppendRun(utf8.substr(run), plain, ansi);
    }

  private:
    enum : uint8_t { kUnknown, kHeld, kLacked };

    bool Held(uint32_t codePoint) {
        if (codePoint > 0xFFFF) return false;
        uint8_t& known = known_[codePoint];
        if (known == kUnknown) known = platform::HoldsCharacter(codePoint) ? kHeld : kLacked;
        return known == kHeld;
    }

    static void AppendRun(std::string_view run, bool plain, std::string& ansi) {
        if (plain)
            ansi.append(run);
        else
            ansi += CXmlDocument::Utf8ToAnsi(run);
    }

    std::vector<uint8_t> known_;
};

} // namespace

// The list answer can be tens of megabytes: converting it in slices keeps the
// conversion's UTF-16 intermediate small. A slice never ends inside a character (it
// ends before a byte that is not a UTF-8 continuation byte), so the result is the same
// as converting the whole text at once.
std::string AnswerToAnsi(std::string_view utf8) {
    constexpr size_t kSlice = size_t(1) << 20;
    std::string ansi;
    ansi.reserve(utf8.size()); // code page 936 is shorter than UTF-8, but for references
    CAnswerConverter converter;
    while (!utf8.empty()) {
        size_t cut = std::min(kSlice, utf8.size());
        while (cut < utf8.size() && IsContinuation(utf8[cut]))
            ++cut;
        converter.Append(utf8.substr(0, cut), ansi);
        utf8.remove_prefix(cut);
    }
    return ansi;
}

} // namespace nook
