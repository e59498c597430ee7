#include "archive/ScriptString.h"

#include <algorithm>

namespace nook {

namespace {

bool IsPlain(char16_t c) {
    if (c < 0x20 || c > 0x7E) return false;
    switch (c) {
    case u'"':
    case u'\'':
    case u'\\':
    case u'<':
    case u'>':
    case u'&':
        return false;
    default:
        return true;
    }
}

} // namespace

void AppendScriptString(std::string& out, std::u16string_view text) {
    static const char kHex[] = "0123456789abcdef";
    size_t size = 2;
    for (char16_t c : text)
        size += IsPlain(c) ? 1 : 6;
    // Room at once, growing as appending would: the literal may go into a long text.
    if (out.capacity() < out.size() + size) out.reserve(std::max(out.size() + size, 2 * out.capacity()));
    out += '"';
    for (char16_t c : text) {
        if (IsPlain(c)) {
            out += static_cast<char>(c);
            continue;
        }
        const char escape[] = {'\\', 'u', kHex[(c >> 12) & 15], kHex[(c >> 8) & 15], kHex[(c >> 4) & 15],
                               kHex[c & 15]};
        out.append(escape, sizeof escape);
    }
    out += '"';
}

} // namespace nook
