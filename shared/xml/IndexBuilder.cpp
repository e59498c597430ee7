// Building the element index from the tokens of the whole text. Open start tags wait
// on a stack until their end tag; an end tag that closes an outer element, or the end
// of the text, leaves inner elements unended: each keeps only its start tag, and its
// children move up to follow it as siblings.
#include "xml/XmlDocument.h"
#include "xml/XmlText.h"
#include "xml/XmlTokenizer.h"

#include <vector>

namespace nook {
inline namespace NOOK_XML_BUILD {

using xml::FormatMessage;
using xml::ReadToken;
using xml::XmlScanner;
using xml::XmlToken;

namespace {

struct OpenElement {
    uint32_t record;
    std::string_view name;
};

} // namespace

CXmlDocument::CXmlDocument() { ParseDocument(); }

CXmlDocument::CXmlDocument(std::string_view text) : text_(text) { ParseDocument(); }

bool CXmlDocument::SetDocText(std::string_view text) {
    text_.assign(text.data(), text.size());
    message_.clear();
    return ParseDocument();
}

bool CXmlDocument::ParseDocument() {
    std::string fileMessage = message_;
    pos_ = XmlPosition{};
    cachedTagStart_ = SIZE_MAX;
    index_.Reset(text_.size() / 64 + 8);
    if (text_.empty()) {
        message_ = "Empty document";
    } else {
        message_.clear();
        XmlScanner scanner(text_);
        uint32_t first = BuildIndex(0, scanner);
        index_[0].ElementLength = static_cast<int32_t>(text_.size());
        if (first == 0) {
            message_ = "No root element";
        } else {
            index_[0].FirstChild = first;
            if (index_[first].NextSibling != 0) message_ = "Root element has sibling";
        }
    }
    if (!fileMessage.empty()) message_ = message_.empty() ? fileMessage : fileMessage + ", " + message_;
    pos_ = XmlPosition{};
    const ElementRecord& document = index_[0];
    return index_.Exists() && !(document.LevelAndFlags & kIllFormed) && document.FirstChild != 0 &&
           index_[document.FirstChild].NextSibling == 0;
}

uint32_t CXmlDocument::BuildIndex(uint32_t startRecord, XmlScanner& scanner) {
    const uint32_t baseLevel = index_[startRecord].Level();
    std::vector<OpenElement> open;
    open.reserve(6);
    uint32_t current = startRecord;
    uint32_t result = 0;
    XmlToken token;

    auto markError = [&](const std::string& message) {
        index_[startRecord].LevelAndFlags |= kIllFormed;
        index_[current].LevelAndFlags |= kContainsError;
        if (message_.empty()) message_ = message;
    };

    // Elements open deeper than `keep` lose their extent; their children follow them.
    // `endTag` is the end tag that closed an outer element, or null at the end of text.
    auto unend = [&](size_t keep, const XmlToken* endTag) {
        if (open.size() <= keep) return;
        index_[startRecord].LevelAndFlags |= kIllFormed;
        const uint32_t outermost = open[keep].record;
        const uint32_t newParent = keep > 0 ? open[keep - 1].record : startRecord;
        for (size_t k = open.size(); k-- > keep;) {
            const uint32_t u = open[k].record;
            const uint32_t parent = k > 0 ? open[k - 1].record : startRecord;
            ElementRecord& element = index_[u];
            element.LevelAndFlags |= kUnended;
            element.ElementLength = static_cast<int32_t>(index_.StartTagLength(u));
            index_.SetTagLengths(u, index_.StartTagLength(u), 0);
            if (element.LevelAndFlags & kContainsError) {
                element.LevelAndFlags &= ~kContainsError;
                index_[parent].LevelAndFlags |= kContainsError;
            }
            if (element.FirstChild != 0) {
                const uint32_t firstMoved = element.FirstChild;
                const uint32_t lastMoved = index_[firstMoved].PrevSibling;
                element.NextSibling = firstMoved;
                element.FirstChild = 0;
                index_[firstMoved].PrevSibling = u;
                index_[firstMoved].LevelAndFlags &= ~kFirstSibling;
                index_[index_[parent].FirstChild].PrevSibling = lastMoved;
            }
            if (message_.empty()) {
                std::string name(open[k].name);
                if (endTag)
                    message_ = FormatMessage("End tag '" NOOK_XML_NAME "' at offset %d does not match start tag '" NOOK_XML_NAME
                                             "' at offset %d",
                                             std::string(scanner.EndTagName()).c_str(), static_cast<int>(endTag->start + 1),
                                             name.c_str(), element.ElementStart);
                else
                    message_ = FormatMessage("Element '" NOOK_XML_NAME "' at offset %d not ended", name.c_str(),
                                             element.ElementStart);
            }
        }
        // Everything that now follows the outermost unended element moved up to its parent.
        for (uint32_t r = index_[outermost].NextSibling; r != 0; r = index_[r].NextSibling) index_[r].Parent = newParent;
        open.resize(keep);
    };

    for (;;) {
        switch (ReadToken(scanner, token)) {
        case kNodeElement: {
            const uint32_t r = index_.AppendElement(static_cast<int32_t>(token.start), static_cast<uint32_t>(token.length),
                                                    baseLevel + static_cast<uint32_t>(open.size()), current);
            if (result == 0) result = r;
            index_.LinkLastChild(current, r);
            if (!token.emptyElement) {
                open.push_back({r, token.name});
                current = r;
            }
            break;
        }
        case kNodeBadToken:
            markError(token.message);
            break;
        case kNodeEndTag: {
            const std::string_view name = scanner.EndTagName();
            size_t k = open.size();
            if (token.length <= kMaxEndTag)
                while (k > 0 && !xml::NameMatches(name, open[k - 1].name)) --k;
            if (k == 0) {
                markError(FormatMessage("No start tag for end tag '" NOOK_XML_NAME "' at offset %d", std::string(name).c_str(),
                                        static_cast<int>(token.start)));
                break;
            }
            const size_t matched = k - 1;
            const uint32_t r = open[matched].record;
            ElementRecord& element = index_[r];
            element.ElementLength = static_cast<int32_t>(token.End()) - element.ElementStart;
            index_.SetTagLengths(r, index_.StartTagLength(r), static_cast<uint32_t>(token.length));
            unend(matched + 1, &token);
            open.pop_back();
            current = matched > 0 ? open[matched - 1].record : startRecord;
            break;
        }
        case kNodeEndOfText:
            unend(0, nullptr);
            return result;
        default:
            break; // text, white space, CDATA, processing instructions, comments, document types
        }
    }
}

} // namespace NOOK_XML_BUILD
} // namespace nook
