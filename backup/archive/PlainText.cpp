#include "archive/PlainText.h"

#include "archive/HtmlAllowList.h"
#include "archive/HtmlTokenizer.h"
#include "archive/MarkupText.h"
#include "platform/CodePage.h"

#include <algorithm>

namespace nook {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v' || c == 0xA0 ||
           c == 0x3000 || c == 0x2028 || c == 0x2029;
}

// Whether the page shows the words on either side of the tag apart: only a kept element
// that is not inline parts them (a dropped tag leaves its neighbours side by side).
bool PartsWords(std::string_view name, ElementKeeping keeping) {
    static constexpr std::string_view kInline[] = {"a", "b", "em", "font", "i", "s", "span", "strike", "strong",
                                                   "sub", "sup", "u"};
    return (keeping == ElementKeeping::kKeep || keeping == ElementKeeping::kKeepVoid) &&
           std::find(std::begin(kInline), std::end(kInline), name) == std::end(kInline);
}

// Builds the text in code page 936 as far as it can and converts it in one piece: only
// a reference to a character code page 936 may lack takes its own way.
class CPlainTextBuilder {
  public:
    explicit CPlainTextBuilder(size_t size) { pending_.reserve(size); }

    void Blank() { pending_ += ' '; }
    // Markup text: references decoded; NULs and lead bytes without their trail byte left
    // out, as the pages leave them out.
    void Markup(std::string_view text);
    // Plain text: only the references it keeps for characters code page 936 lacks decoded.
    void Plain(std::string_view text);
    std::u16string Finish() {
        Flush();
        return std::move(text_);
    }

  private:
    void CodePoint(uint32_t codePoint);
    void Flush() {
        text_ += platform::AnsiToUtf16(pending_);
        pending_.clear();
    }

    std::string pending_;
    std::u16string text_;
};

void CPlainTextBuilder::Markup(std::string_view text) {
    size_t run = 0; // start of the characters not yet taken
    for (size_t i = 0; i < text.size();) {
        const MarkupChar c = ReadMarkupChar(text, i);
        const bool reference = text[i] == '&' && c.length > 1;
        if (reference || c.codePoint == 0) {
            pending_.append(text.substr(run, i - run));
            if (reference) CodePoint(c.codePoint);
            run = i + c.length;
        }
        i += c.length;
    }
    pending_.append(text.substr(run));
}

void CPlainTextBuilder::Plain(std::string_view text) {
    size_t run = 0;
    uint32_t codePoint;
    for (size_t i = 0; i < text.size(); ++i) {
        if (const size_t kept = ReadKeptReference(text, i, codePoint)) {
            pending_.append(text.substr(run, i - run));
            CodePoint(codePoint);
            run = i + kept;
            i += kept - 1;
        }
    }
    pending_.append(text.substr(run));
}

void CPlainTextBuilder::CodePoint(uint32_t codePoint) {
    if (codePoint < 0x80) {
        pending_ += static_cast<char>(codePoint);
        return;
    }
    if (codePoint <= 0xFFFF && IsBlank(static_cast<char16_t>(codePoint))) {
        Blank();
        return;
    }
    Flush();
    // A reference to half a surrogate pair is no character: a browser shows U+FFFD.
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) codePoint = 0xFFFD;
    if (codePoint < 0x10000) {
        text_ += static_cast<char16_t>(codePoint);
    } else {
        codePoint -= 0x10000;
        text_ += static_cast<char16_t>(0xD800 + (codePoint >> 10));
        text_ += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
    }
}

std::u16string Collapsed(const std::u16string& text) {
    std::u16string out;
    out.reserve(text.size());
    bool blank = false;
    for (char16_t c : text) {
        if (IsBlank(c)) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += u' ';
        blank = false;
        out += c;
    }
    return out;
}

} // namespace

std::u16string PlainTextOfHtml(std::string_view html) {
    std::string text(html);
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());

    CPlainTextBuilder plain(text.size());
    CHtmlTokenizer tokenizer(text);
    HtmlToken token;
    while (tokenizer.Next(token)) {
        if (token.kind == HtmlToken::kText) {
            plain.Markup(token.text);
            continue;
        }
        const ElementKeeping keeping = ElementRuleFor(token.name).keeping;
        if (PartsWords(token.name, keeping)) plain.Blank();
        if (token.kind != HtmlToken::kStartTag) continue;
        // What the sanitiser drops with its content is no text of the page.
        if (keeping == ElementKeeping::kDropWithContent)
            tokenizer.SkipContentOf(token.name);
        else if (keeping == ElementKeeping::kDropRest)
            tokenizer.SkipRest();
    }
    return Collapsed(plain.Finish());
}

std::u16string PlainTextOf(std::string_view text) {
    CPlainTextBuilder plain(text.size());
    plain.Plain(text);
    return Collapsed(plain.Finish());
}

} // namespace nook
