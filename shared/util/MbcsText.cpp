#include "util/MbcsText.h"

#include "platform/CodePage.h"

namespace nook {

namespace {

// Length of the character starting at `i`: two for a lead byte with a byte after it.
size_t CharLength(std::string_view text, size_t i) {
    return platform::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

} // namespace

size_t FindChar(std::string_view text, char ch, size_t from) {
    for (size_t i = 0; i < text.size(); i += CharLength(text, i))
        if (i >= from && text[i] == ch) return i;
    return std::string_view::npos;
}

size_t ReverseFindChar(std::string_view text, char ch) {
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < text.size(); i += CharLength(text, i))
        if (text[i] == ch) found = i;
    return found;
}

std::string Trim(std::string_view text) {
    size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    // Blanks are below every trail byte, so the end can be trimmed byte by byte.
    size_t end = text.size();
    while (end > begin && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); i += CharLength(out, i))
        if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
    return out;
}

} // namespace nook
