#include "archive/HtmlAllowList.h"

#include "archive/MarkupText.h"
#include "archive/SafeAddress.h"
#include "archive/StyleFilter.h"
#include "util/MbcsText.h"

#include <initializer_list>

namespace nook {

namespace {

using Keeping = ElementKeeping;

constexpr ElementRule kElements[] = {
    {"a", Keeping::kKeep},
    {"b", Keeping::kKeep},
    {"blockquote", Keeping::kKeep},
    {"br", Keeping::kKeepVoid},
    {"caption", Keeping::kKeep},
    {"center", Keeping::kKeep},
    {"div", Keeping::kKeep},
    {"em", Keeping::kKeep},
    {"font", Keeping::kKeep},
    {"h1", Keeping::kKeep},
    {"h2", Keeping::kKeep},
    {"h3", Keeping::kKeep},
    {"h4", Keeping::kKeep},
    {"h5", Keeping::kKeep},
    {"h6", Keeping::kKeep},
    {"hr", Keeping::kKeepVoid},
    {"i", Keeping::kKeep},
    {"iframe", Keeping::kDropWithContent},
    {"img", Keeping::kKeepVoid},
    {"li", Keeping::kKeep},
    {"noembed", Keeping::kDropWithContent},
    {"noframes", Keeping::kDropWithContent},
    {"noscript", Keeping::kDropWithContent},
    {"ol", Keeping::kKeep},
    {"p", Keeping::kKeep},
    {"plaintext", Keeping::kDropRest},
    {"pre", Keeping::kKeep},
    {"s", Keeping::kKeep},
    {"script", Keeping::kDropWithContent},
    {"span", Keeping::kKeep},
    {"strike", Keeping::kKeep},
    {"strong", Keeping::kKeep},
    {"style", Keeping::kDropWithContent},
    {"sub", Keeping::kKeep},
    {"sup", Keeping::kKeep},
    {"table", Keeping::kKeep},
    {"tbody", Keeping::kKeep},
    {"td", Keeping::kKeep},
    {"template", Keeping::kDropWithContent},
    {"textarea", Keeping::kDropWithContent},
    {"th", Keeping::kKeep},
    {"thead", Keeping::kKeep},
    {"title", Keeping::kDropWithContent},
    {"tr", Keeping::kKeep},
    {"u", Keeping::kKeep},
    {"ul", Keeping::kKeep},
    {"xmp", Keeping::kDropWithContent},
};

enum class ValueKind {
    kText,
    kNumber,
    kSize,
    kAlign,
    kVerticalAlign,
    kColour,
    kFontSize,
    kLink,
    kImage,
    kStyle
};

struct AttributeRule {
    std::string_view element; // empty: every kept element
    std::string_view name;
    ValueKind kind;
};

constexpr AttributeRule kAttributes[] = {
    {"", "style", ValueKind::kStyle},
    {"", "title", ValueKind::kText},
    {"a", "href", ValueKind::kLink},
    {"caption", "align", ValueKind::kAlign},
    {"div", "align", ValueKind::kAlign},
    {"font", "color", ValueKind::kColour},
    {"font", "face", ValueKind::kText},
    {"font", "size", ValueKind::kFontSize},
    {"h1", "align", ValueKind::kAlign},
    {"h2", "align", ValueKind::kAlign},
    {"h3", "align", ValueKind::kAlign},
    {"h4", "align", ValueKind::kAlign},
    {"h5", "align", ValueKind::kAlign},
    {"h6", "align", ValueKind::kAlign},
    {"hr", "align", ValueKind::kAlign},
    {"hr", "size", ValueKind::kNumber},
    {"hr", "width", ValueKind::kSize},
    {"img", "align", ValueKind::kAlign},
    {"img", "alt", ValueKind::kText},
    {"img", "border", ValueKind::kNumber},
    {"img", "height", ValueKind::kSize},
    {"img", "src", ValueKind::kImage},
    {"img", "width", ValueKind::kSize},
    {"p", "align", ValueKind::kAlign},
    {"table", "align", ValueKind::kAlign},
    {"table", "border", ValueKind::kNumber},
    {"table", "cellpadding", ValueKind::kNumber},
    {"table", "cellspacing", ValueKind::kNumber},
    {"table", "width", ValueKind::kSize},
    {"td", "align", ValueKind::kAlign},
    {"td", "colspan", ValueKind::kNumber},
    {"td", "height", ValueKind::kSize},
    {"td", "rowspan", ValueKind::kNumber},
    {"td", "valign", ValueKind::kVerticalAlign},
    {"td", "width", ValueKind::kSize},
    {"th", "align", ValueKind::kAlign},
    {"th", "colspan", ValueKind::kNumber},
    {"th", "height", ValueKind::kSize},
    {"th", "rowspan", ValueKind::kNumber},
    {"th", "valign", ValueKind::kVerticalAlign},
    {"th", "width", ValueKind::kSize},
    {"tr", "align", ValueKind::kAlign},
    {"tr", "valign", ValueKind::kVerticalAlign},
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return c >= 'a' && c <= 'z';
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f');
}

// The value as a check reads it: references decoded, trimmed, in lower case.
std::string Plain(std::string_view value) {
    const std::string view = AsciiView(value);
    size_t begin = 0, end = view.size();
    while (begin < end && static_cast<unsigned char>(view[begin]) <= 0x20)
        ++begin;
    while (end > begin && static_cast<unsigned char>(view[end - 1]) <= 0x20)
        --end;
    return AsciiLower(std::string_view(view).substr(begin, end - begin));
}

bool IsNumber(std::string_view text) {
    if (text.empty() || text.size() > 4) return false;
    for (char c : text)
        if (!IsDigit(c)) return false;
    return true;
}

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> words) {
    for (std::string_view word : words)
        if (text == word) return true;
    return false;
}

// "#rgb", "#rrggbb" or a colour name.
bool IsColour(std::string_view text) {
    if (text.empty() || text.size() > 20) return false;
    if (text[0] == '#') {
        if (text.size() != 4 && text.size() != 7) return false;
        for (char c : text.substr(1))
            if (!IsHexDigit(c)) return false;
        return true;
    }
    for (char c : text)
        if (!IsLetter(c)) return false;
    return true;
}

bool IsPlainValue(ValueKind kind, std::string_view plain) {
    switch (kind) {
    case ValueKind::kNumber:
        return IsNumber(plain);
    case ValueKind::kSize:
        return IsNumber(!plain.empty() && plain.back() == '%' ? plain.substr(0, plain.size() - 1) : plain);
    case ValueKind::kAlign:
        return IsOneOf(plain, {"left", "right", "center", "justify", "top", "middle", "bottom", "absmiddle",
                               "absbottom", "baseline", "texttop"});
    case ValueKind::kVerticalAlign:
        return IsOneOf(plain, {"top", "middle", "bottom", "baseline"});
    case ValueKind::kColour:
        return IsColour(plain);
    case ValueKind::kFontSize:
        if (!plain.empty() && (plain[0] == '+' || plain[0] == '-')) plain.remove_prefix(1);
        return plain.size() == 1 && plain[0] >= '1' && plain[0] <= '7';
    default:
        return true;
    }
}

// Blanks around an address mean nothing to a browser but would keep the image
// localiser from recognising it. Blanks are below every trail byte.
std::string_view Trimmed(std::string_view markup) {
    while (!markup.empty() && static_cast<unsigned char>(markup.front()) <= 0x20)
        markup.remove_prefix(1);
    while (!markup.empty() && static_cast<unsigned char>(markup.back()) <= 0x20)
        markup.remove_suffix(1);
    return markup;
}

} // namespace

ElementRule ElementRuleFor(std::string_view name) {
    for (const ElementRule& rule : kElements)
        if (rule.name == name) return rule;
    return {};
}

AttributeKeeping KeepAttribute(std::string_view element, std::string_view name, std::string_view value,
                               std::string& written) {
    const AttributeRule* found = nullptr;
    for (const AttributeRule& rule : kAttributes)
        if (rule.name == name && (rule.element.empty() || rule.element == element)) found = &rule;
    if (!found) return AttributeKeeping::kNotListed;
    // Checked in the form it is written in: what writing drops (a lead byte without its
    // trail byte) must not leave a second pass a different value to check or trim.
    std::string markup;
    AppendMarkup(markup, value, true);
    bool kept;
    switch (found->kind) {
    case ValueKind::kStyle:
        written = FilterStyle(markup);
        kept = !written.empty();
        break;
    case ValueKind::kLink:
    case ValueKind::kImage: {
        const std::string_view address = Trimmed(markup);
        kept = found->kind == ValueKind::kLink ? IsSafeLinkAddress(address) : IsSafeImageAddress(address);
        written = address;
        break;
    }
    default:
        kept = IsPlainValue(found->kind, Plain(markup));
        written = std::move(markup);
        break;
    }
    return kept ? AttributeKeeping::kKept : AttributeKeeping::kDropped;
}

} // namespace nook
