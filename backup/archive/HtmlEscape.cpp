#include "archive/HtmlEscape.h"

#include "archive/MarkupText.h"

namespace nook {

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    uint32_t codePoint;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '&':
            if (const size_t kept = ReadKeptReference(text, i, codePoint)) {
                escaped.append(text, i, kept);
                i += kept - 1;
            } else {
                escaped += "&amp;";
            }
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
            break;
        }
    }
    return escaped;
}

} // namespace nook
