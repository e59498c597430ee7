#include "archive/HtmlSanitiser.h"

#include "archive/HtmlAllowList.h"
#include "archive/HtmlTokenizer.h"
#include "archive/MarkupText.h"

#include <algorithm>
#include <vector>

namespace nook {

namespace {

// Deeper start tags are dropped: nesting costs the browser and the end-tag search.
constexpr size_t kMaxOpenElements = 100;

// Writes the kept elements and keeps them well-formed: every element is closed, in
// order, and an end tag closes only what is open.
class CSafeHtmlWriter {
  public:
    explicit CSafeHtmlWriter(size_t inputSize) { out_.reserve(inputSize + inputSize / 8); }

    void Text(std::string_view text) { AppendMarkup(out_, text, false); }
    // Returns the keeping of the element, so that the caller can pass over its content.
    ElementKeeping StartTag(const HtmlToken& tag);
    void EndTag(std::string_view name);
    std::string Finish();

  private:
    bool KeptAttributes(const ElementRule& element, const std::vector<HtmlAttribute>& attributes);
    void CloseDownTo(size_t depth);

    std::string out_;
    std::vector<std::string_view> open_; // names from the allow-list
    std::string attributes_;
    std::string value_;
    std::vector<std::string_view> seen_;
};

ElementKeeping CSafeHtmlWriter::StartTag(const HtmlToken& tag) {
    const ElementRule element = ElementRuleFor(tag.name);
    if (element.keeping == ElementKeeping::kKeep && open_.size() >= kMaxOpenElements)
        return ElementKeeping::kDropTag;
    if (element.keeping != ElementKeeping::kKeep && element.keeping != ElementKeeping::kKeepVoid)
        return element.keeping;
    if (!KeptAttributes(element, tag.attributes)) return ElementKeeping::kDropTag;
    // A link inside a link closes the outer one, as in a browser.
    if (element.name == "a") {
        const auto outer = std::find(open_.rbegin(), open_.rend(), element.name);
        if (outer != open_.rend()) CloseDownTo(static_cast<size_t>(open_.rend() - outer) - 1);
    }
    out_.append("<").append(element.name).append(attributes_).append(">");
    if (element.keeping == ElementKeeping::kKeep) open_.push_back(element.name);
    return element.keeping;
}

// The kept attributes as markup into `attributes_`. False when the element cannot
// stand without what was dropped: a link without its address, an image without its
// source.
bool CSafeHtmlWriter::KeptAttributes(const ElementRule& element,
                                     const std::vector<HtmlAttribute>& attributes) {
    attributes_.clear();
    seen_.clear();
    bool hasAddress = false;
    for (const HtmlAttribute& attribute : attributes) {
        // The first of attributes with the same name counts, as in a browser. Only
        // listed names are remembered: they are few, a tag's attributes may be many.
        if (std::find(seen_.begin(), seen_.end(), attribute.name) != seen_.end()) continue;
        const AttributeKeeping keeping = KeepAttribute(element.name, attribute.name, attribute.value, value_);
        if (keeping == AttributeKeeping::kNotListed) continue;
        seen_.push_back(attribute.name);
        if (keeping == AttributeKeeping::kDropped) continue;
        hasAddress |= attribute.name == "href" || attribute.name == "src";
        attributes_.append(" ").append(attribute.name).append("=\"").append(value_).append("\"");
    }
    if (element.name == "a" || element.name == "img") {
        if (!hasAddress) return false;
        if (element.name == "a") attributes_ += " target=\"_blank\"";
    }
    return true;
}

void CSafeHtmlWriter::EndTag(std::string_view name) {
    const auto open = std::find(open_.rbegin(), open_.rend(), name);
    if (open != open_.rend()) CloseDownTo(static_cast<size_t>(open_.rend() - open) - 1);
}

// Closes the open elements from the innermost down to and including `depth`.
void CSafeHtmlWriter::CloseDownTo(size_t depth) {
    while (open_.size() > depth) {
        out_.append("</").append(open_.back()).append(">");
        open_.pop_back();
    }
}

std::string CSafeHtmlWriter::Finish() {
    CloseDownTo(0);
    return std::move(out_);
}

} // namespace

std::string SanitiseHtml(std::string_view html) {
    // A NUL is no character for a browser either; without them "<scr\0ipt>" is a script.
    std::string text(html);
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());

    CHtmlTokenizer tokenizer(text);
    CSafeHtmlWriter writer(text.size());
    HtmlToken token;
    while (tokenizer.Next(token)) {
        switch (token.kind) {
        case HtmlToken::kText:
            writer.Text(token.text);
            break;
        case HtmlToken::kEndTag:
            writer.EndTag(token.name);
            break;
        case HtmlToken::kStartTag:
            switch (writer.StartTag(token)) {
            case ElementKeeping::kDropWithContent:
                tokenizer.SkipContentOf(token.name);
                break;
            case ElementKeeping::kDropRest:
                tokenizer.SkipRest();
                break;
            default:
                break;
            }
            break;
        case HtmlToken::kEnd:
            break;
        }
    }
    return writer.Finish();
}

} // namespace nook
