// Reads other people's HTML the way a browser does, as text runs, start tags and end
// tags. Comments (conditional ones too), declarations, processing instructions and
// CDATA sections are passed over; markup left open at the end (a tag, a quoted value,
// a comment) takes everything after it, as in a browser. Only ASCII bytes structure
// the markup, and none of them can be the trail byte of a code page 936 character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nook {

struct HtmlAttribute {
    std::string name;       // lower case
    std::string_view value; // as written, without quotes; empty when there is none
};

struct HtmlToken {
    enum Kind { kEnd, kText, kStartTag, kEndTag };
    Kind kind = kEnd;
    std::string_view text; // kText: as written, a "<" that opens no markup included
    std::string name;      // tags: lower case
    std::vector<HtmlAttribute> attributes;
};

class CHtmlTokenizer {
  public:
    // `html` must outlive the tokenizer and its tokens.
    explicit CHtmlTokenizer(std::string_view html) : html_(html) {}

    // The next token into `token`; false at the end.
    bool Next(HtmlToken& token);

    // Passes over raw content up to and including the end tag of `name` (lower case),
    // or to the end: what follows a script or style start tag.
    void SkipContentOf(std::string_view name);
    void SkipRest() { at_ = html_.size(); }

  private:
    bool OpensMarkup(size_t at) const;
    // From "<" at `at_`: a tag into `token`, or false when it was markup passed over.
    bool ReadMarkup(HtmlToken& token);
    void PassOverComment(size_t from);
    void PassOver(std::string_view end, size_t from);
    // The name and attributes from `at_` up to and past ">"; false when the text ends first.
    bool ReadTag(HtmlToken& token, size_t nameBegin);
    std::string_view ReadValue();

    std::string_view html_;
    size_t at_ = 0;
};

} // namespace nook
