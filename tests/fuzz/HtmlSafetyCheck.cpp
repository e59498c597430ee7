#include "tests/fuzz/HtmlSafetyCheck.h"

#include "xml/ReferenceDigit.h"
#include "xml/XmlDocument.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace nook::test {

namespace {

// A browser decodes code page 936 as GBK: a lead byte takes the next byte only when that
// is a trail byte, so "<", quotes, "=" and blanks never hide behind one, whatever
// scanners that pair a lead byte with any byte think.
size_t CharLength(std::string_view text, size_t i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x81 || c == 0xFF || i + 1 >= text.size()) return 1;
    const unsigned char trail = static_cast<unsigned char>(text[i + 1]);
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; }

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// ASCII folded to lower case and every two-byte character turned into one 0x80 byte, so
// that a search for an ASCII word finds it only where the browser reads that word.
std::string Folded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharLength(text, i);
        const char c = text[i];
        out += length == 2 ? '\x80' : c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        i += length;
    }
    return out;
}

// Some character and a placeholder for every one that is not ASCII.
void AppendCodePoint(unsigned long codePoint, std::string& out) {
    if (codePoint == 0 || codePoint >= 0x80) out += "\xA1\xA1";
    else out += static_cast<char>(codePoint);
}

// "&#..." with or without its ";", as browsers decode it in attribute values.
size_t DecodeNumber(std::string_view text, size_t at, std::string& out) {
    size_t i = at + 2;
    const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    if (hex) ++i;
    const size_t digitsBegin = i;
    unsigned long value = 0;
    for (; i < text.size(); ++i) {
        const int digit = xml::ReferenceDigit(text[i], hex);
        if (digit < 0) break;
        value = std::min<unsigned long>(value * (hex ? 16 : 10) + static_cast<unsigned long>(digit), 0x110000);
    }
    if (i == digitsBegin) return 0;
    if (i < text.size() && text[i] == ';') ++i;
    AppendCodePoint(value, out);
    return i - at;
}

// Names newer browsers know beyond HTML 4.01 that spell a scheme's or a style's markup.
struct NewName {
    const char* name;
    char plain;
};
const NewName kNewNames[] = {{"colon", ':'}, {"tab", '\t'}, {"newline", '\n'}, {"lpar", '('}, {"rpar", ')'},
                             {"bsol", '\\'}, {"sol", '/'},  {"ast", '*'},      {"period", '.'}, {"num", '#'},
                             {"quest", '?'}, {"semi", ';'}, {"hyphen", '-'},   {"lowbar", '_'}};

size_t DecodeName(std::string_view text, size_t at, std::string& out) {
    size_t end = at + 1;
    while (end < text.size() && end - at <= 32 && (IsLetter(text[end]) || (text[end] >= '0' && text[end] <= '9')))
        ++end;
    if (end == at + 1 || end >= text.size() || text[end] != ';') return 0;
    const std::string name = Folded(text.substr(at + 1, end - at - 1));
    for (const NewName& known : kNewNames) {
        if (name == known.name) {
            out += known.plain;
            return end + 1 - at;
        }
    }
    const std::string_view reference = text.substr(at, end + 1 - at);
    const std::string decoded = CXmlDocument::DecodeEntities(reference);
    if (decoded == reference) return 0;
    out += decoded;
    return reference.size();
}

// An attribute value as a browser hands it on: character references decoded once.
std::string DecodeLikeBrowser(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharLength(text, i);
        size_t used = 0;
        if (text[i] == '&')
            used = i + 1 < text.size() && text[i + 1] == '#' ? DecodeNumber(text, i, out) : DecodeName(text, i, out);
        if (used == 0) {
            out.append(text, i, length);
            used = length;
        }
        i += used;
    }
    return out;
}

// The value as the sanitiser decodes it and as a browser does.
std::vector<std::string> DecodedForms(std::string_view value) {
    return {CXmlDocument::DecodeEntities(value), DecodeLikeBrowser(value)};
}

bool IsAddressAttribute(const std::string& name) {
    static const char* const kNames[] = {"href", "src", "lowsrc", "dynsrc", "background", "action", "formaction",
                                         "data", "codebase", "poster", "xlink:href"};
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

std::string AddressFault(const std::string& name, std::string_view value) {
    for (const std::string& decoded : DecodedForms(value)) {
        if (StartsWith(decoded, "../../Images/")) continue;
        // URL parsers drop blanks and control characters; IE reads "\" as "/".
        std::string address;
        for (char c : Folded(decoded))
            if (!IsControlOrBlank(c)) address += c == '\\' ? '/' : c;
        if (StartsWith(address, "http:") || StartsWith(address, "https:") || StartsWith(address, "mailto:")) continue;
        const size_t end = address.find_first_of(":/?#");
        if (end != std::string::npos && address[end] == ':')
            return name + " has the scheme \"" + address.substr(0, end + 1) + "\"";
        if (!address.empty()) return name + " is neither a web nor a mail address: \"" + address + "\"";
    }
    return {};
}

// A style's text as a CSS parser reads it: escapes decoded, comments dropped (IE before
// version 8 joined the words around a comment).
std::string CssForm(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "/*") == 0) {
            const size_t close = text.find("*/", i + 2);
            i = close == std::string_view::npos ? text.size() : close + 2;
            continue;
        }
        if (text[i] == '\\' && i + 1 < text.size()) {
            size_t j = i + 1;
            unsigned long value = 0;
            while (j < text.size() && j - i <= 6 && std::isxdigit(static_cast<unsigned char>(text[j]))) {
                const char c = text[j++];
                value = value * 16 + static_cast<unsigned long>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
            }
            if (j > i + 1) {
                if (j < text.size() && IsBlank(text[j])) ++j;
                AppendCodePoint(value, out);
                i = j;
            } else if (text[i + 1] == '\n') {
                i += 2;
            } else {
                const size_t length = CharLength(text, i + 1);
                out.append(text, i + 1, length);
                i += 1 + length;
            }
            continue;
        }
        const size_t length = CharLength(text, i);
        out.append(text, i, length);
        i += length;
    }
    return out;
}

std::string StyleFault(std::string_view value) {
    static const char* const kWords[] = {"expression(", "url(", "behavior", "-moz-binding", "javascript:"};
    for (const std::string& decoded : DecodedForms(value)) {
        const std::string plain = Folded(decoded);
        const std::string css = Folded(CssForm(decoded));
        for (const char* word : kWords) {
            if (plain.find(word) != std::string::npos) return std::string("style holds \"") + word + "\"";
            if (css.find(word) != std::string::npos)
                return std::string("style holds \"") + word + "\" once its CSS escapes and comments are read";
        }
    }
    return {};
}

bool IsOneOf(const std::string& name, std::initializer_list<const char*> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string ElementFault(const std::string& name) {
    if (IsOneOf(name, {"script", "style", "iframe", "object", "embed", "svg", "math", "form", "meta", "link", "base"}))
        return "<" + name + "> element";
    // Content a browser does not read as markup, frames, applets and IE's data islands.
    if (IsOneOf(name, {"xmp", "plaintext", "noscript", "noembed", "noframes", "textarea", "title", "template",
                       "frame", "frameset", "applet", "xml", "bgsound"}))
        return "<" + name + "> element";
    return {};
}

bool IsVoid(const std::string& name) { return IsOneOf(name, {"br", "hr", "img"}); }

// Reads markup after the start of a tag as the HTML tokenizer does.
class CTagReader {
  public:
    CTagReader(std::string_view text, size_t at) : text_(text), at_(at) {}

    size_t At() const { return at_; }

    // The name after "<" or "</", folded.
    std::string Name() {
        const size_t begin = at_;
        while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != '/' && text_[at_] != '>')
            at_ += CharLength(text_, at_);
        return Folded(text_.substr(begin, at_ - begin));
    }

    // Every attribute of a start tag up to its ">"; the first fault, "" at the ">".
    std::string Attributes() {
        for (;;) {
            while (at_ < text_.size() && (IsBlank(text_[at_]) || text_[at_] == '/'))
                ++at_;
            if (at_ >= text_.size()) return "tag not ended";
            if (text_[at_] == '>') {
                ++at_;
                return {};
            }
            const size_t nameBegin = at_;
            at_ += CharLength(text_, at_); // a leading "=" belongs to the name
            while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != '/' && text_[at_] != '>' &&
                   text_[at_] != '=')
                at_ += CharLength(text_, at_);
            const std::string name = Folded(text_.substr(nameBegin, at_ - nameBegin));
            SkipBlanks();
            std::string_view value;
            if (at_ < text_.size() && text_[at_] == '=') {
                ++at_;
                SkipBlanks();
                if (at_ >= text_.size()) return "tag not ended";
                if (!Value(value)) return "attribute value not ended";
            }
            if (StartsWith(name, "on")) return "event handler attribute " + name;
            if (IsAddressAttribute(name)) {
                if (std::string fault = AddressFault(name, value); !fault.empty()) return fault;
            }
            if (name == "style") {
                if (std::string fault = StyleFault(value); !fault.empty()) return fault;
            }
        }
    }

    // True when only blanks stand before the ">" of an end tag.
    bool EndOfEndTag() {
        SkipBlanks();
        if (at_ >= text_.size() || text_[at_] != '>') return false;
        ++at_;
        return true;
    }

  private:
    void SkipBlanks() {
        while (at_ < text_.size() && IsBlank(text_[at_]))
            ++at_;
    }

    bool Value(std::string_view& value) {
        const char quote = text_[at_];
        if (quote == '"' || quote == '\'') {
            const size_t close = text_.find(quote, at_ + 1);
            if (close == std::string_view::npos) return false;
            value = text_.substr(at_ + 1, close - at_ - 1);
            at_ = close + 1;
            return true;
        }
        const size_t begin = at_;
        while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != '>')
            at_ += CharLength(text_, at_);
        value = text_.substr(begin, at_ - begin);
        return true;
    }

    std::string_view text_;
    size_t at_;
};

} // namespace

std::string FindHtmlFault(std::string_view html) {
    std::vector<std::string> open;
    size_t i = 0;
    while (i < html.size()) {
        if (html[i] != '<') {
            i += CharLength(html, i);
            continue;
        }
        const char next = i + 1 < html.size() ? html[i + 1] : '\0';
        if (next == '!' || next == '?') return "markup declaration, comment or processing instruction";
        const bool end = next == '/';
        if (end && !(i + 2 < html.size() && IsLetter(html[i + 2]))) return "\"</\" that starts no end tag";
        if (!end && !IsLetter(next)) {
            ++i; // a browser shows this "<" as text
            continue;
        }
        CTagReader reader(html, i + (end ? 2 : 1));
        const std::string name = reader.Name();
        if (std::string fault = ElementFault(name); !fault.empty()) return fault;
        if (end) {
            if (!reader.EndOfEndTag()) return "end tag </" + name + "> not ended by \">\" alone";
            if (open.empty() || open.back() != name)
                return "</" + name + "> closes " + (open.empty() ? std::string("nothing") : "<" + open.back() + ">");
            open.pop_back();
        } else {
            if (std::string fault = reader.Attributes(); !fault.empty()) return "<" + name + ">: " + fault;
            if (!IsVoid(name)) open.push_back(name); // "/>" does not close an element in HTML
        }
        i = reader.At();
    }
    if (!open.empty()) return "<" + open.back() + "> left open";
    return {};
}

} // namespace nook::test
