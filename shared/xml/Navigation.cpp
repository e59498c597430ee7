// Moving the current position: through sibling and child elements by name, and through
// the nodes of one level in the text.
#include "xml/XmlDocument.h"
#include "xml/XmlText.h"
#include "xml/XmlTokenizer.h"

namespace nook {
inline namespace NOOK_XML_BUILD {

uint32_t CXmlDocument::NextMatchingSibling(uint32_t first, std::string_view name) const {
    for (uint32_t r = first; r != 0; r = index_[r].NextSibling)
        if (name.empty() || xml::NameMatches(xml::TagNameAt(text_, static_cast<size_t>(index_[r].ElementStart)), name))
            return r;
    return 0;
}

bool CXmlDocument::FindElement(std::string_view name) {
    if (!index_.Exists()) return false;
    const uint32_t first = pos_.main != 0 ? index_[pos_.main].NextSibling : index_[pos_.parent].FirstChild;
    const uint32_t found = NextMatchingSibling(first, name);
    if (found == 0) return false;
    pos_ = XmlPosition{};
    pos_.parent = index_[found].Parent;
    pos_.main = found;
    pos_.nodeKind = kNodeElement;
    return true;
}

bool CXmlDocument::FindChildElement(std::string_view name) {
    if (!index_.Exists()) return false;
    if (pos_.main == 0 && !FindElement()) return false;
    const uint32_t first = pos_.child != 0 ? index_[pos_.child].NextSibling : index_[pos_.main].FirstChild;
    const uint32_t found = NextMatchingSibling(first, name);
    if (found == 0) return false;
    pos_.child = found;
    pos_.main = index_[found].Parent;
    pos_.parent = index_[pos_.main].Parent;
    return true;
}

bool CXmlDocument::IntoElement() {
    if (pos_.main == 0 || pos_.nodeKind != kNodeElement) return false;
    const uint32_t main = pos_.main;
    const uint32_t child = pos_.child;
    pos_ = XmlPosition{};
    pos_.parent = main;
    pos_.main = child;
    pos_.nodeKind = child != 0 ? kNodeElement : 0;
    return true;
}

void CXmlDocument::ResetPos() { pos_ = XmlPosition{}; }

std::string CXmlDocument::GetTagName(uint32_t record) const {
    if (record == 0 || record >= index_.Count()) return {};
    return std::string(xml::TagNameAt(text_, static_cast<size_t>(index_[record].ElementStart)));
}

int CXmlDocument::FindNode(int kinds) {
    if (!index_.Exists()) return 0;
    const uint32_t parent = pos_.parent;
    const ElementRecord& level = index_[parent];
    size_t from;
    if (pos_.nodeKind != 0 && pos_.nodeKind != kNodeElement) {
        from = static_cast<size_t>(pos_.nodeOffset) + static_cast<size_t>(pos_.nodeLength);
    } else if (pos_.main != 0) {
        from = static_cast<size_t>(index_[pos_.main].End());
    } else if (parent == 0) {
        from = 0;
    } else {
        if (level.EndTagLength() == 0) return 0; // no content
        from = static_cast<size_t>(level.ElementStart) + index_.StartTagLength(parent);
    }
    const size_t levelEndTag = parent != 0 ? static_cast<size_t>(level.End()) - level.EndTagLength() : text_.size();

    uint32_t passed = pos_.main;
    uint32_t next = passed != 0 ? index_[passed].NextSibling : level.FirstChild;
    xml::XmlScanner scanner(text_, from);
    xml::XmlToken token;
    for (;;) {
        int kind = xml::ReadToken(scanner, token);
        switch (kind) {
        case kNodeEndOfText: return 0;
        case kNodeEndTag:
            if (parent != 0 && token.start == levelEndTag) return 0;
            kind = kNodeStrayEndTag;
            break;
        case kNodeBadToken: kind = kNodeError; break;
        case kNodeElement:
            if (next == 0 || static_cast<size_t>(index_[next].ElementStart) != token.start) {
                kind = kNodeError; // markup that made no record
                break;
            }
            if (kinds == 0 || (kinds & kNodeElement)) {
                pos_ = XmlPosition{};
                pos_.parent = parent;
                pos_.main = next;
                pos_.nodeKind = kNodeElement;
                return kNodeElement;
            }
            passed = next;
            scanner.SetNext(static_cast<size_t>(index_[next].End()));
            next = index_[next].NextSibling;
            continue;
        default: break;
        }
        if (kinds == 0 || (kinds & kind)) {
            pos_.main = passed;
            pos_.child = 0;
            pos_.nodeKind = kind;
            pos_.nodeOffset = static_cast<int32_t>(token.start);
            pos_.nodeLength = static_cast<int32_t>(token.length);
            return kind;
        }
    }
}

} // namespace NOOK_XML_BUILD
} // namespace nook
