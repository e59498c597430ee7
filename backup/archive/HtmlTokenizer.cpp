#include "archive/HtmlTokenizer.h"

#include "util/MbcsText.h"

namespace nook {

namespace {

bool IsHtmlBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool CHtmlTokenizer::Next(HtmlToken& token) {
    while (at_ < html_.size()) {
        if (html_[at_] == '<' && OpensMarkup(at_)) {
            if (ReadMarkup(token)) return true;
            continue;
        }
        size_t end = at_ + 1;
        while ((end = html_.find('<', end)) != std::string_view::npos && !OpensMarkup(end))
            ++end;
        if (end == std::string_view::npos) end = html_.size();
        token.kind = HtmlToken::kText;
        token.text = html_.substr(at_, end - at_);
        at_ = end;
        return true;
    }
    token.kind = HtmlToken::kEnd;
    return false;
}

void CHtmlTokenizer::SkipContentOf(std::string_view name) {
    for (size_t open = html_.find("</", at_); open != std::string_view::npos;
         open = html_.find("</", open + 1)) {
        const size_t after = open + 2 + name.size();
        if (after >= html_.size()) break;
        bool same = true;
        for (size_t i = 0; i < name.size() && same; ++i)
            same = Lower(html_[open + 2 + i]) == name[i];
        const char next = html_[after];
        if (same && (IsHtmlBlank(next) || next == '/' || next == '>')) {
            HtmlToken endTag;
            ReadTag(endTag, open + 2);
            return;
        }
    }
    at_ = html_.size();
}

// As in a browser: "<" opens markup before a letter, "!", "?" or "/" and one more
// character; otherwise it is text.
bool CHtmlTokenizer::OpensMarkup(size_t at) const {
    if (at + 1 >= html_.size()) return false;
    const char next = html_[at + 1];
    return IsAsciiLetter(next) || next == '!' || next == '?' || (next == '/' && at + 2 < html_.size());
}

bool CHtmlTokenizer::ReadMarkup(HtmlToken& token) {
    const std::string_view rest = html_.substr(at_);
    if (IsAsciiLetter(rest[1])) {
        token.kind = HtmlToken::kStartTag;
        return ReadTag(token, at_ + 1);
    }
    if (rest[1] == '/' && IsAsciiLetter(rest[2])) {
        token.kind = HtmlToken::kEndTag;
        return ReadTag(token, at_ + 2);
    }
    if (rest.compare(0, 4, "<!--") == 0) {
        PassOverComment(at_ + 4);
        return false;
    }
    // A CDATA section would be a bogus comment up to the first ">" in a browser; its
    // inner text is dropped whole instead, so none of it can turn into markup.
    if (rest.compare(0, 9, "<![CDATA[") == 0)
        PassOver("]]>", at_ + 9);
    else
        PassOver(">", at_ + 2); // <!DOCTYPE>, <![endif]>, <?...?>, </ x>, </>
    return false;
}

// "<!-->" and "<!--->" are whole comments; others end at "-->" or "--!>".
void CHtmlTokenizer::PassOverComment(size_t from) {
    if (html_.compare(from, 1, ">") == 0 || html_.compare(from, 2, "->") == 0) {
        at_ = html_.find('>', from) + 1;
        return;
    }
    for (size_t dash = html_.find("--", from); dash != std::string_view::npos;
         dash = html_.find("--", dash + 1)) {
        if (html_.compare(dash + 2, 1, ">") == 0 || html_.compare(dash + 2, 2, "!>") == 0) {
            at_ = html_.find('>', dash) + 1;
            return;
        }
    }
    at_ = html_.size();
}

void CHtmlTokenizer::PassOver(std::string_view end, size_t from) {
    const size_t found = html_.find(end, from);
    at_ = found == std::string_view::npos ? html_.size() : found + end.size();
}

bool CHtmlTokenizer::ReadTag(HtmlToken& token, size_t nameBegin) {
    const size_t size = html_.size();
    at_ = nameBegin;
    while (at_ < size && !IsHtmlBlank(html_[at_]) && html_[at_] != '/' && html_[at_] != '>')
        ++at_;
    token.name = AsciiLower(html_.substr(nameBegin, at_ - nameBegin));
    token.attributes.clear();
    for (;;) {
        while (at_ < size && (IsHtmlBlank(html_[at_]) || html_[at_] == '/'))
            ++at_;
        if (at_ >= size) return false;
        if (html_[at_] == '>') {
            ++at_;
            return true;
        }
        // A name runs to a blank, "/", ">" or "="; a first "=" belongs to it.
        const size_t attributeBegin = at_++;
        while (at_ < size && !IsHtmlBlank(html_[at_]) && html_[at_] != '/' && html_[at_] != '>' &&
               html_[at_] != '=')
            ++at_;
        HtmlAttribute attribute{AsciiLower(html_.substr(attributeBegin, at_ - attributeBegin)), {}};
        size_t next = at_;
        while (next < size && IsHtmlBlank(html_[next]))
            ++next;
        if (next < size && html_[next] == '=') {
            at_ = next + 1;
            while (at_ < size && IsHtmlBlank(html_[at_]))
                ++at_;
            attribute.value = ReadValue();
            if (at_ >= size) return false;
        } else {
            at_ = next;
        }
        token.attributes.push_back(std::move(attribute));
    }
}

// The value at `at_`; leaves `at_` at the end of the text when the value does not end.
std::string_view CHtmlTokenizer::ReadValue() {
    const size_t size = html_.size();
    if (at_ >= size) return {};
    const char quote = html_[at_];
    if (quote == '"' || quote == '\'') {
        const size_t end = html_.find(quote, at_ + 1);
        if (end == std::string_view::npos) {
            at_ = size;
            return {};
        }
        const std::string_view value = html_.substr(at_ + 1, end - at_ - 1);
        at_ = end + 1;
        return value;
    }
    const size_t begin = at_;
    while (at_ < size && !IsHtmlBlank(html_[at_]) && html_[at_] != '>')
        ++at_;
    return html_.substr(begin, at_ - begin);
}

} // namespace nook
