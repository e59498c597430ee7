// Reading and writing attributes of the current element (main or child), or of the
// processing instruction that is the current node.
#include "xml/AttributeScan.h"
#include "xml/XmlDocument.h"
#include "xml/XmlText.h"
#include "xml/XmlTokenizer.h"

namespace nook {
inline namespace NOOK_XML_BUILD {

bool CXmlDocument::CurrentTag(bool child, size_t& start, size_t& length, size_t& nameOffset) const {
    const uint32_t record = child ? pos_.child : pos_.main;
    if (record != 0 && pos_.nodeKind == kNodeElement) {
        start = static_cast<size_t>(index_[record].ElementStart);
        length = index_.StartTagLength(record);
        nameOffset = 1;
        return true;
    }
    if (!child && pos_.nodeKind == kNodeProcessingInstruction) {
        start = static_cast<size_t>(pos_.nodeOffset);
        length = static_cast<size_t>(pos_.nodeLength);
        nameOffset = 2;
        return true;
    }
    return false;
}

const std::vector<uint32_t>& CXmlDocument::TagAttributes(size_t start, size_t length, size_t nameOffset) const {
    if (cachedTagStart_ != start) {
        attributeCache_.clear();
        xml::AttributeScanner scanner(text_, start + nameOffset, start + length - 1);
        xml::Attribute attribute;
        while (scanner.Next(attribute))
            attributeCache_.insert(attributeCache_.end(),
                                   {static_cast<uint32_t>(attribute.nameBegin), static_cast<uint32_t>(attribute.nameEnd),
                                    static_cast<uint32_t>(attribute.valueBegin), static_cast<uint32_t>(attribute.valueEnd)});
        cachedTagStart_ = start;
    }
    return attributeCache_;
}

std::string CXmlDocument::ReadAttribute(bool child, std::string_view name) const {
    size_t start, length, nameOffset;
    if (!CurrentTag(child, start, length, nameOffset)) return {};
    const std::vector<uint32_t>& attributes = TagAttributes(start, length, nameOffset);
    const std::string_view text = text_;
    for (size_t i = 0; i < attributes.size(); i += 4)
        if (xml::NameMatches(text.substr(attributes[i], attributes[i + 1] - attributes[i]), name))
            return DecodeEntities(text.substr(attributes[i + 2], attributes[i + 3] - attributes[i + 2]));
    return {};
}

std::string CXmlDocument::GetAttribute(std::string_view name) const { return ReadAttribute(false, name); }
std::string CXmlDocument::GetChildAttribute(std::string_view name) const { return ReadAttribute(true, name); }

#ifdef NOOK_XML_REDUCED
std::string CXmlDocument::GetAttributeName(int index) const {
    size_t start, length, nameOffset;
    if (index < 0 || !CurrentTag(false, start, length, nameOffset)) return {};
    const std::vector<uint32_t>& attributes = TagAttributes(start, length, nameOffset);
    const size_t at = 4 * static_cast<size_t>(index);
    if (at >= attributes.size()) return {};
    return text_.substr(attributes[at], attributes[at + 1] - attributes[at]);
}
#endif

bool CXmlDocument::SetAttribute(std::string_view name, std::string_view value) { return SetAttributeOf(false, name, value); }
bool CXmlDocument::SetAttribute(std::string_view name, int value) { return SetAttributeOf(false, name, std::to_string(value)); }
bool CXmlDocument::SetChildAttribute(std::string_view name, std::string_view value) { return SetAttributeOf(true, name, value); }
bool CXmlDocument::SetChildAttribute(std::string_view name, int value) { return SetAttributeOf(true, name, std::to_string(value)); }

namespace {

// Whether `tag` holds `name` with the quoted value `encoded`: a value written into a quote
// the tag left open would read as part of another attribute.
bool ReadsBack(std::string_view tag, size_t nameOffset, std::string_view name, std::string_view encoded) {
    xml::AttributeScanner scanner(tag, nameOffset, tag.size() - 1);
    xml::Attribute attribute;
    return scanner.Find(name, attribute) && attribute.quoted &&
           tag.substr(attribute.valueBegin, attribute.valueEnd - attribute.valueBegin) == encoded;
}

} // namespace

// The old value is replaced in place, or the attribute goes after the last one. An edit
// that would make the tag read differently (another name, another end, an empty-element
// tag that was none, a value that would not read back) is refused, so the index stays
// true to the text.
bool CXmlDocument::SetAttributeOf(bool child, std::string_view name, std::string_view value) {
    size_t start, length, nameOffset;
    if (!xml::IsPlainName(name) || !CurrentTag(child, start, length, nameOffset)) return false;
    xml::AttributeScanner scanner(text_, start + nameOffset, start + length - 1);
    xml::Attribute attribute;
    std::string replacement;
    size_t editBegin, editEnd;
    if (scanner.Find(name, attribute)) {
        editBegin = attribute.writtenBegin;
        editEnd = attribute.writtenEnd;
        if (!attribute.hasEquals) replacement = "=";
    } else {
        editBegin = editEnd = scanner.InsertAt();
        replacement.append(" ").append(name).append("=");
    }
    const std::string encoded = EncodeEntities(value, true);
    replacement.append("\"").append(encoded).append("\"");

    const std::string_view oldTag = std::string_view(text_).substr(start, length);
    std::string newTag;
    newTag.reserve(length + replacement.size());
    newTag.append(oldTag.substr(0, editBegin - start)).append(replacement).append(oldTag.substr(editEnd - start));
    xml::XmlToken before, after;
    if (!xml::IsWholeToken(oldTag, before) || !xml::IsWholeToken(newTag, after) || after.kind != before.kind ||
        after.emptyElement != before.emptyElement || after.name != before.name ||
        !ReadsBack(newTag, nameOffset, name, encoded))
        return false;
    const bool element = pos_.nodeKind == kNodeElement;

    const int32_t change = static_cast<int32_t>(newTag.size()) - static_cast<int32_t>(length);
    Splice(editBegin, editEnd - editBegin, replacement);
    if (element) {
        const uint32_t record = child ? pos_.child : pos_.main;
        ElementRecord& changed = index_[record];
        index_.SetTagLengths(record, static_cast<uint32_t>(newTag.size()), changed.EndTagLength());
        changed.ElementLength += change;
        ShiftDescendants(record, change);
        ShiftAfter(changed.Parent, record, change);
    } else {
        pos_.nodeLength += change;
        ShiftAfter(pos_.parent, pos_.main, change);
    }
    return true;
}

} // namespace NOOK_XML_BUILD
} // namespace nook
