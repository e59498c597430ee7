// The tokenizer of the XML document: one node of markup or character data per call.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nook::xml {

// The text and where the next token begins; after an end tag also that tag's name.
class XmlScanner {
public:
    explicit XmlScanner(std::string_view text, size_t next = 0) : text_(text), next_(next) {}

    std::string_view Text() const { return text_; }
    size_t Next() const { return next_; }
    void SetNext(size_t next) { next_ = next; }
    std::string_view EndTagName() const { return text_.substr(endNameBegin_, endNameLength_); }

private:
    friend int ReadToken(XmlScanner& scanner, struct XmlToken& token);
    std::string_view text_;
    size_t next_;
    size_t endNameBegin_ = 0;
    size_t endNameLength_ = 0;
};

struct XmlToken {
    int kind = 0; // NodeKind
    size_t start = 0;
    size_t length = 0;
    bool emptyElement = false; // a start tag closed by "/>"
    bool unterminated = false; // the text ended inside the token
    std::string_view name;     // elements and processing instructions
    std::string message;       // bad tokens

    size_t End() const { return start + length; }
};

// Reads the node at the scanner's next offset, advances past it and returns its kind
// (kNodeEndOfText at the end of the text, kNodeBadToken for malformed markup, with the
// message in the token).
int ReadToken(XmlScanner& scanner, XmlToken& token);

// Whether `markup` reads as exactly one complete token, as it would where a token
// starts in a document. Edits check their new markup with it so that the document
// reads the same as the index says.
bool IsWholeToken(std::string_view markup, XmlToken& token);

} // namespace nook::xml
