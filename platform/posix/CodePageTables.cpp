#include "platform/posix/CodePageTables.h"

#include "platform/posix/IconvConverter.h"

#include <algorithm>
#include <string>

namespace platform {

namespace {

// What iconv makes of `bytes` alone, when it takes all of them.
bool ConvertAlone(IconvConverter& converter, const std::string& bytes, std::string& out) {
    const char* in = bytes.data();
    size_t inLeft = bytes.size();
    out.clear();
    return converter.RunExact(in, inLeft, out) == 0 && inLeft == 0;
}

std::string EncodeUtf8(uint32_t codePoint) {
    if (codePoint < 0x800)
        return {static_cast<char>(0xC0 | codePoint >> 6), static_cast<char>(0x80 | (codePoint & 0x3F))};
    return {static_cast<char>(0xE0 | codePoint >> 12), static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)),
            static_cast<char>(0x80 | (codePoint & 0x3F))};
}

uint16_t AnsiEntry(const std::string& ansi) {
    const auto byte = [&](size_t i) { return static_cast<uint16_t>(static_cast<unsigned char>(ansi[i])); };
    if (ansi.size() == 1) return byte(0);
    return ansi.size() == 2 ? static_cast<uint16_t>(byte(0) << 8 | byte(1)) : 0;
}

Utf8Char Utf8Entry(const std::string& utf8, size_t taken) {
    Utf8Char entry{};
    if (utf8.empty() || utf8.size() > sizeof entry.bytes) return entry;
    utf8.copy(entry.bytes, utf8.size());
    entry.length = static_cast<uint8_t>(utf8.size()) & 3;
    entry.taken = static_cast<uint8_t>(taken) & 3;
    return entry;
}

} // namespace

const CodePageTables& CodePageTables::Get() {
    static const CodePageTables tables;
    return tables;
}

CodePageTables::CodePageTables() {
    std::string out;
    IconvConverter toAnsi("CP936", "UTF-8");
    for (uint32_t codePoint = 0x80; codePoint < 0x10000; ++codePoint)
        if (ConvertAlone(toAnsi, EncodeUtf8(codePoint), out)) ansi_[codePoint] = AnsiEntry(out);

    // A byte that is a character alone is one whatever follows; any other starts a pair.
    IconvConverter toUtf8("UTF-8", "CP936");
    for (unsigned first = 0x80; first < 0x100; ++first) {
        Utf8Char* const row = &utf8_[(first - 0x80) << 8];
        if (ConvertAlone(toUtf8, std::string(1, static_cast<char>(first)), out)) {
            std::fill(row, row + 0x100, Utf8Entry(out, 1));
            continue;
        }
        for (unsigned next = 0; next < 0x100; ++next)
            if (ConvertAlone(toUtf8, {static_cast<char>(first), static_cast<char>(next)}, out))
                row[next] = Utf8Entry(out, 2);
    }
}

} // namespace platform
