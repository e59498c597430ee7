#include "archive/StyleFilter.h"

#include "archive/MarkupText.h"

#include <vector>

namespace nook {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
bool IsCssBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F;
}
bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (Lower(c) >= 'a' && Lower(c) <= 'f');
}

// How a reading treats "/*": as CSS does (not inside a string), not at all, or as a
// reader that does not follow strings. A style passes only when every reading is
// harmless (the text as it stands too), so a word split by a comment or an escape, or
// hidden in a comment, is found whichever way a browser reads it.
enum class Comments { kAsCss, kKept, kAnywhere };

// What a CSS reader takes from `css` (a loose ASCII view of the value): escapes
// decoded, letters in lower case, comments as `comments` says. Blanks and controls are
// gone, or with `separators` a run of them (or a comment) is one blank.
std::string CssReading(std::string_view css, Comments comments, bool separators = false) {
    std::string reading;
    auto separate = [&] {
        if (separators && !reading.empty() && reading.back() != ' ') reading += ' ';
    };
    char quote = 0;
    for (size_t i = 0; i < css.size();) {
        const char c = css[i];
        if (c == '\\') {
            ++i;
            if (i < css.size() && IsHexDigit(css[i])) {
                uint32_t codePoint = 0;
                for (size_t digits = 0; digits < 6 && i < css.size() && IsHexDigit(css[i]); ++digits, ++i)
                    codePoint = codePoint * 16 + static_cast<uint32_t>(
                                                     css[i] <= '9' ? css[i] - '0' : Lower(css[i]) - 'a' + 10);
                if (i < css.size() && IsCssBlank(css[i])) ++i;
                reading += Lower(AsciiOf(codePoint, true));
            } else if (i < css.size()) {
                if (!IsCssBlank(css[i])) reading += Lower(css[i]);
                ++i;
            }
            continue;
        }
        const bool comment = comments == Comments::kAnywhere || (comments == Comments::kAsCss && !quote);
        if (comment && css.compare(i, 2, "/*") == 0) {
            const size_t end = css.find("*/", i + 2);
            i = end == std::string_view::npos ? css.size() : end + 2;
            separate();
            continue;
        }
        if (quote ? c == quote || c == '\n' : c == '"' || c == '\'') quote = quote ? 0 : c;
        if (IsCssBlank(c))
            separate();
        else
            reading += Lower(c);
        ++i;
    }
    return reading;
}

bool HoldsDanger(std::string_view reading) {
    static constexpr std::string_view kDangers[] = {
        "url(", "expression", "behavior", "binding", "javascript:", "vbscript:", "@import", "{", "}"};
    for (std::string_view danger : kDangers)
        if (reading.find(danger) != std::string_view::npos) return true;
    return false;
}

// Only colour functions: any other may fetch (image-set, image), compute (calc,
// expression) or read the page (attr, var). `reading` keeps its separators, so the
// name before "(" is the function's whole name.
bool CallsOnlyColourFunctions(std::string_view reading) {
    static constexpr std::string_view kFunctions[] = {"rgb", "rgba", "hsl", "hsla"};
    for (size_t open = reading.find('('); open != std::string_view::npos;
         open = reading.find('(', open + 1)) {
        const size_t separator = open == 0 ? std::string_view::npos : reading.find_last_of(" :,(", open - 1);
        const size_t begin = separator == std::string_view::npos ? 0 : separator + 1;
        const std::string_view name = reading.substr(begin, open - begin);
        bool known = false;
        for (std::string_view function : kFunctions)
            known |= name == function;
        if (!known) return false;
    }
    return true;
}

// The value without any CSS reading: only blanks gone, letters in lower case.
std::string PlainReading(std::string_view view) {
    std::string reading;
    for (char c : view)
        if (!IsCssBlank(c)) reading += Lower(c);
    return reading;
}

bool IsHarmless(std::string_view value) {
    const std::string view = AsciiView(value, true);
    return !HoldsDanger(PlainReading(view)) && !HoldsDanger(CssReading(view, Comments::kAsCss)) &&
           !HoldsDanger(CssReading(view, Comments::kKept)) &&
           !HoldsDanger(CssReading(view, Comments::kAnywhere)) &&
           CallsOnlyColourFunctions(CssReading(view, Comments::kAsCss, true));
}

// Blanks and controls are below every trail byte, so markup can be trimmed bytewise.
std::string_view Trimmed(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool IsKeptProperty(std::string_view name) {
    static constexpr std::string_view kProperties[] = {
        "color",      "background-color", "font",  "font-family", "font-size", "font-weight", "font-style",
        "text-align", "text-decoration",  "width", "height"};
    for (std::string_view property : kProperties)
        if (name == property) return true;
    // Every margin, padding and border property, except the border images.
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || c == '-')) return false;
    return (StartsWith(name, "margin") || StartsWith(name, "padding") || StartsWith(name, "border")) &&
           name.find("image") == std::string_view::npos;
}

// Pixels or a percentage: "120px", "50%", "12.5px".
bool IsPlainSize(std::string_view value) {
    size_t i = 0;
    while (i < value.size() && ((value[i] >= '0' && value[i] <= '9') || value[i] == '.'))
        ++i;
    if (i == 0) return false;
    const std::string_view unit = value.substr(i);
    return unit == "%" || unit == "px";
}

// One declaration, "name: value", as an ASCII view.
bool IsKeptDeclaration(std::string_view declaration) {
    const size_t colon = declaration.find(':');
    if (colon == std::string_view::npos) return false;
    std::string name(Trimmed(declaration.substr(0, colon)));
    std::string value(Trimmed(declaration.substr(colon + 1)));
    for (char& c : name)
        c = Lower(c);
    for (char& c : value)
        c = Lower(c);
    if (value.empty() || !IsKeptProperty(name)) return false;
    return (name != "width" && name != "height") || IsPlainSize(value);
}

// The declarations of `value` as written, split where it reads ";" (also "&#59;").
std::vector<std::string_view> Declarations(std::string_view value) {
    std::vector<std::string_view> declarations;
    size_t begin = 0;
    for (size_t i = 0; i <= value.size();) {
        const MarkupChar c = i < value.size() ? ReadMarkupChar(value, i) : MarkupChar{1, ';'};
        if (c.codePoint == ';') {
            declarations.push_back(Trimmed(value.substr(begin, i - begin)));
            begin = i + c.length;
        }
        i += c.length;
    }
    return declarations;
}

} // namespace

std::string FilterStyle(std::string_view value) {
    // Declarations are cut and trimmed in the written form, where nothing drops out.
    std::string markup;
    AppendMarkup(markup, value, true);
    if (!IsHarmless(markup)) return {};
    std::vector<std::string_view> kept;
    bool droppedAny = false;
    for (std::string_view declaration : Declarations(markup)) {
        if (declaration.empty()) continue;
        if (IsKeptDeclaration(AsciiView(declaration)))
            kept.push_back(declaration);
        else
            droppedAny = true;
    }
    if (!droppedAny && !kept.empty()) return markup;
    std::string style;
    for (std::string_view declaration : kept) {
        if (!style.empty()) style += "; ";
        style += declaration;
    }
    // Taking declarations out can move where a comment or string ends; what is written
    // must pass on its own.
    return IsHarmless(style) ? style : std::string();
}

} // namespace nook
