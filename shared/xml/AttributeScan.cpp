#include "xml/AttributeScan.h"

#include "xml/XmlText.h"

namespace nook::xml {

namespace {

enum ByteClass : uint8_t { kPlain, kSpace, kNameEnd, kGreater, kLead };

// What each byte means to the runs of names and values: "=", "/" and "?" end a name
// but not a value.
struct ByteClasses {
    ByteClasses() {
        const LeadByteTable& lead = LeadByteTable::Get();
        for (int b = 0; b < 256; ++b) of[b] = lead(static_cast<unsigned char>(b)) ? kLead : kPlain;
        of[static_cast<unsigned char>(' ')] = of[static_cast<unsigned char>('\t')] = kSpace;
        of[static_cast<unsigned char>('\n')] = of[static_cast<unsigned char>('\r')] = kSpace;
        of[static_cast<unsigned char>('=')] = of[static_cast<unsigned char>('/')] = of[static_cast<unsigned char>('?')] = kNameEnd;
        of[static_cast<unsigned char>('>')] = kGreater;
    }
    uint8_t of[256];
};

const ByteClasses& Classes() {
    static const ByteClasses classes;
    return classes;
}

} // namespace

AttributeScanner::AttributeScanner(std::string_view text, size_t from, size_t end)
    : text_(text), pos_(from), end_(end < text.size() ? end : text.size()), lastTokenEnd_(from) {
    // The tag name ends where the tokenizer ends it, so that both read the same tag.
    const uint8_t* classOf = Classes().of;
    while (pos_ < end_) {
        const unsigned char b = static_cast<unsigned char>(text_[pos_]);
        if (classOf[b] == kSpace || classOf[b] == kGreater || b == '/') break;
        pos_ += CharLength(text_, pos_);
    }
    if (pos_ > end_) pos_ = end_;
    lastTokenEnd_ = pos_;
}

bool AttributeScanner::Read(bool value, Token& token) {
    const uint8_t* classOf = Classes().of;
    while (pos_ < end_ && classOf[static_cast<unsigned char>(text_[pos_])] == kSpace) ++pos_;
    if (pos_ >= end_) return false;
    const char c = text_[pos_];
    // As in the tokenizer, a quote opens a quoted string only where a value belongs.
    if (value && (c == '"' || c == '\'')) {
        const size_t close = FindMarkup(text_, c, pos_ + 1, end_);
        token = {pos_ + 1, close < end_ ? close : end_, close < end_ ? close + 1 : end_, true};
    } else if (c == '>' || (!value && (c == '=' || c == '/' || c == '?'))) {
        token = {pos_, pos_ + 1, pos_ + 1, false};
    } else {
        size_t stop = pos_;
        while (stop < end_) {
            const uint8_t k = classOf[static_cast<unsigned char>(text_[stop])];
            if (k == kPlain || (k == kNameEnd && value)) {
                ++stop;
            } else if (k == kLead) {
                stop += stop + 1 < text_.size() && text_[stop + 1] != '\0' ? 2 : 1;
            } else {
                break;
            }
        }
        if (stop > end_) stop = end_;
        token = {pos_, stop, stop, false};
    }
    pos_ = token.after;
    return true;
}

// Values are values: only a token read where a name belongs can end the tag, except ">".
bool AttributeScanner::EndsTag(const Token& token) const {
    if (token.quoted) return false;
    const char c = text_[token.begin];
    return c == '/' || c == '>' || c == '?';
}

bool AttributeScanner::IsEquals(const Token& token) const {
    return !token.quoted && token.end == token.begin + 1 && text_[token.begin] == '=';
}

bool AttributeScanner::Next(Attribute& attribute) {
    while (!done_) {
        Token name;
        if (!Read(false, name) || EndsTag(name)) break;
        lastTokenEnd_ = name.after;
        if (IsEquals(name)) {
            // An "=" without a name: its value belongs to no attribute.
            const size_t beforeValue = pos_;
            Token value;
            if (!Read(true, value) || (!value.quoted && text_[value.begin] == '>')) pos_ = beforeValue;
            else lastTokenEnd_ = value.after;
            continue;
        }
        attribute = Attribute{};
        attribute.nameBegin = name.begin;
        attribute.nameEnd = name.end;
        attribute.valueBegin = name.begin;
        attribute.valueEnd = name.end;
        attribute.writtenBegin = attribute.writtenEnd = name.after;

        const size_t beforeEquals = pos_;
        Token equals;
        if (!Read(false, equals) || !IsEquals(equals)) {
            pos_ = beforeEquals;
            return true;
        }
        lastTokenEnd_ = equals.after;
        attribute.hasEquals = true;
        attribute.quoted = false;
        attribute.valueBegin = attribute.valueEnd = equals.after;
        attribute.writtenBegin = attribute.writtenEnd = equals.after;
        const size_t beforeValue = pos_;
        Token value;
        if (!Read(true, value) || (!value.quoted && text_[value.begin] == '>')) {
            pos_ = beforeValue;
            return true;
        }
        lastTokenEnd_ = value.after;
        attribute.valueBegin = value.begin;
        attribute.valueEnd = value.end;
        attribute.quoted = value.quoted;
        attribute.writtenBegin = value.quoted ? value.begin - 1 : value.begin;
        attribute.writtenEnd = value.after;
        return true;
    }
    done_ = true;
    return false;
}

bool AttributeScanner::Find(std::string_view name, Attribute& attribute) {
    while (Next(attribute))
        if (NameMatches(attribute.Name(text_), name)) return true;
    return false;
}

} // namespace nook::xml
