// Appending elements and keeping the index in step with an edited text: every record
// after the edit shifts, every enclosing element grows. New elements are written one
// per line, "<name/>" and CR LF; an element without content is opened up around its
// first child.
#include "xml/XmlDocument.h"
#include "xml/XmlText.h"
#include "xml/XmlTokenizer.h"

namespace nook {
inline namespace NOOK_XML_BUILD {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

} // namespace

void CXmlDocument::Splice(size_t offset, size_t removed, std::string_view inserted) {
    const size_t needed = text_.size() - removed + inserted.size();
    if (needed > text_.capacity()) text_.reserve(needed + needed / 2 + 128);
    text_.replace(offset, removed, inserted.data(), inserted.size());
    cachedTagStart_ = SIZE_MAX;
}

void CXmlDocument::ShiftDescendants(uint32_t record, int32_t change) {
    uint32_t r = index_[record].FirstChild;
    while (r != 0) {
        index_[r].ElementStart += change;
        if (index_[r].FirstChild != 0) {
            r = index_[r].FirstChild;
            continue;
        }
        while (r != record && index_[r].NextSibling == 0) r = index_[r].Parent;
        if (r == record) break;
        r = index_[r].NextSibling;
    }
}

// Shifts what follows `previous` under `parent` (all of parent's children when
// `previous` is 0), then grows each enclosing element and shifts what follows it.
void CXmlDocument::ShiftAfter(uint32_t parent, uint32_t previous, int32_t change) {
    uint32_t level = parent;
    uint32_t r = previous != 0 ? index_[previous].NextSibling : index_[parent].FirstChild;
    for (;;) {
        for (; r != 0; r = index_[r].NextSibling) {
            index_[r].ElementStart += change;
            ShiftDescendants(r, change);
        }
        index_[level].ElementLength += change;
        if (level == 0) break;
        r = index_[level].NextSibling;
        level = index_[level].Parent;
    }
}

// Whether markup appended to the text stands on its own: nothing from `boundary` (where
// a token starts) to the end is left open, and no lead byte at the end waits for a
// trail byte.
bool CXmlDocument::CanAppendAtEnd(size_t boundary) const {
    xml::XmlScanner scanner(text_, boundary);
    xml::XmlToken token;
    while (xml::ReadToken(scanner, token) != kNodeEndOfText)
        if (token.unterminated) return false;
    size_t last = boundary;
    for (size_t i = boundary; i < text_.size(); i += xml::CharLength(text_, i)) last = i;
    return last + 1 != text_.size() || !xml::LeadByteTable::Get()(static_cast<unsigned char>(text_[last]));
}

bool CXmlDocument::AddElement(std::string_view name) {
    const bool afterNode = pos_.nodeKind != 0 && pos_.nodeKind != kNodeElement;
    const uint32_t parent = pos_.parent;
    const uint32_t added = AddElementUnder(parent, pos_.main, name, afterNode);
    if (added == 0) return false;
    pos_ = XmlPosition{};
    pos_.parent = parent;
    pos_.main = added;
    pos_.nodeKind = kNodeElement;
    return true;
}

bool CXmlDocument::AddChildElement(std::string_view name) {
    if (pos_.main == 0) return false;
    const uint32_t added = AddElementUnder(pos_.main, pos_.child, name, false);
    if (added == 0) return false;
    pos_.child = added;
    return true;
}

// Inserts the element after `reference` (or after the current node, or as the last
// child) and returns its record, or 0 when it cannot be written.
uint32_t CXmlDocument::AddElementUnder(uint32_t parent, uint32_t reference, std::string_view name, bool afterNode) {
    if (!index_.Exists()) return 0;
    std::string element;
    element.reserve(name.size() + 5);
    element.append("<").append(name).append("/>");
    xml::XmlToken token;
    if (!xml::IsWholeToken(element, token) || token.kind != kNodeElement || !token.emptyElement) return 0;
    const uint32_t elementLength = static_cast<uint32_t>(element.size());
    element.append(kLineEnd);

    const ElementRecord container = index_[parent];
    const bool openUp = !afterNode && reference == 0 && parent != 0 &&
                        container.ElementLength <=
                            static_cast<int32_t>(index_.StartTagLength(parent) + container.EndTagLength());
    size_t editAt, removed = 0, newStart;
    std::string replacement;
    uint32_t openedStartTag = 0, openedEndTag = 0;
    if (!openUp) {
        size_t boundary; // a token starts here, at or before the insertion
        if (afterNode) {
            boundary = static_cast<size_t>(pos_.nodeOffset);
            editAt = boundary + static_cast<size_t>(pos_.nodeLength);
        } else if (reference != 0) {
            editAt = boundary = static_cast<size_t>(index_[reference].End());
        } else if (parent != 0) {
            editAt = boundary = static_cast<size_t>(container.End()) - container.EndTagLength();
        } else {
            editAt = text_.size();
            boundary = container.FirstChild != 0 ? static_cast<size_t>(index_[index_[container.FirstChild].PrevSibling].End())
                                                 : 0;
        }
        // Land after the line break that ends the element before.
        size_t next = editAt;
        while (next < text_.size() && xml::IsXmlSpace(text_[next])) ++next;
        if (next == text_.size() || text_[next] == '<') editAt = next;
        if (editAt == text_.size() && !CanAppendAtEnd(boundary)) return 0;
        replacement = element;
        newStart = editAt;
    } else {
        // The container reads: its start tag, CR LF, the new element, its end tag.
        const size_t start = static_cast<size_t>(container.ElementStart);
        const std::string_view containerName = xml::ElementNameAt(text_, start);
        openedStartTag = index_.StartTagLength(parent);
        openedEndTag = container.EndTagLength();
        if (openedEndTag != 0) {
            editAt = start + openedStartTag;
            replacement.append(kLineEnd).append(element);
        } else {
            if (containerName.size() + 3 > kMaxEndTag) return 0;
            editAt = start + openedStartTag - 1; // before its ">"
            if (!(container.LevelAndFlags & kUnended)) {
                --editAt; // the "/" of "/>" goes
                removed = 1;
                --openedStartTag;
                std::string opened(std::string_view(text_).substr(start, openedStartTag - 1));
                opened.append(">");
                if (!xml::IsWholeToken(opened, token) || token.kind != kNodeElement || token.emptyElement) return 0;
            }
            openedEndTag = static_cast<uint32_t>(containerName.size() + 3);
            replacement.append(">").append(kLineEnd).append(element).append("</").append(containerName);
        }
        newStart = start + openedStartTag + kLineEnd.size();
    }

    const int32_t change = static_cast<int32_t>(replacement.size()) - static_cast<int32_t>(removed);
    Splice(editAt, removed, replacement);
    if (pos_.nodeKind != 0 && pos_.nodeKind != kNodeElement && static_cast<size_t>(pos_.nodeOffset) >= editAt &&
        !afterNode)
        pos_.nodeOffset += change;

    const uint32_t added = index_.AppendElement(static_cast<int32_t>(newStart), elementLength,
                                                parent != 0 ? index_[parent].Level() + 1 : 0, parent);
    ElementRecord& record = index_[added];
    ElementRecord& under = index_[parent];
    if (under.FirstChild != 0 && reference != 0) {
        ElementRecord& before = index_[reference];
        record.NextSibling = before.NextSibling;
        record.PrevSibling = reference;
        index_[before.NextSibling != 0 ? before.NextSibling : under.FirstChild].PrevSibling = added;
        before.NextSibling = added;
    } else if (under.FirstChild != 0 && afterNode) {
        // No element of this level came before the node: the new one leads.
        ElementRecord& oldFirst = index_[under.FirstChild];
        record.NextSibling = under.FirstChild;
        record.PrevSibling = oldFirst.PrevSibling;
        record.LevelAndFlags |= kFirstSibling;
        oldFirst.PrevSibling = added;
        oldFirst.LevelAndFlags &= ~kFirstSibling;
        under.FirstChild = added;
    } else {
        index_.LinkLastChild(parent, added);
    }

    if (openUp) {
        index_.SetTagLengths(parent, openedStartTag, openedEndTag);
        under.LevelAndFlags &= ~kUnended;
        under.ElementLength += change;
        ShiftAfter(under.Parent, parent, change);
    } else {
        ShiftAfter(parent, added, change);
    }
    return added;
}

} // namespace NOOK_XML_BUILD
} // namespace nook
