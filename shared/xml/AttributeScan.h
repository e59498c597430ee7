// Reading the attributes of one start tag (or of a processing instruction) straight
// from the document text.
#pragma once

#include <cstddef>
#include <string_view>

namespace nook::xml {

struct Attribute {
    size_t nameBegin = 0, nameEnd = 0;
    bool hasEquals = false;
    // The value without quotes; an attribute without "=" has its own name as value.
    size_t valueBegin = 0, valueEnd = 0;
    bool quoted = false;
    // The value as written, quotes included; for an attribute without "=" the empty
    // range right after its name.
    size_t writtenBegin = 0, writtenEnd = 0;

    std::string_view Name(std::string_view text) const { return text.substr(nameBegin, nameEnd - nameBegin); }
    std::string_view Value(std::string_view text) const { return text.substr(valueBegin, valueEnd - valueBegin); }
};

// Steps through the attributes of the tag in [from, end): `from` is just past "<" (or
// "<?"), `end` the offset of the tag's closing ">". The first token, the tag name, is
// skipped; a token starting with "/", ">" or "?" ends the tag.
class AttributeScanner {
public:
    AttributeScanner(std::string_view text, size_t from, size_t end);

    // The next attribute; false at the end of the tag.
    bool Next(Attribute& attribute);
    // The first attribute whose name matches `name`.
    bool Find(std::string_view name, Attribute& attribute);
    // Right after the last token read before the end of the tag: where a new attribute
    // goes once Next has returned false.
    size_t InsertAt() const { return lastTokenEnd_; }

private:
    struct Token {
        size_t begin, end; // without quotes
        size_t after;      // past the closing quote
        bool quoted;
    };
    bool Read(bool value, Token& token);
    bool EndsTag(const Token& token) const;
    bool IsEquals(const Token& token) const;

    std::string_view text_;
    size_t pos_;
    size_t end_;
    size_t lastTokenEnd_;
    bool done_ = false;
};

} // namespace nook::xml
