#include "archive/FlatXmlWriter.h"

#include "platform/Files.h"
#include "util/DirectoryPath.h"
#include "xml/XmlDocument.h"

namespace nook {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEmptyElementEnd = "/>";

} // namespace

CFlatXmlWriter::CFlatXmlWriter(std::string_view rootName) : rootName_(rootName) {
    text_.append("<").append(rootName);
}

void CFlatXmlWriter::Attribute(std::string_view name, std::string_view value) {
    text_.append(" ").append(name).append("=\"").append(CXmlDocument::EncodeEntities(value, true)).append("\"");
}

void CFlatXmlWriter::Attribute(std::string_view name, int value) {
    Attribute(name, std::to_string(value));
}

void CFlatXmlWriter::Child(std::string_view name) {
    // The document opens the root around its first child.
    if (!hasChildren_)
        text_.append(">");
    else
        text_.append(kEmptyElementEnd);
    text_.append(kLineEnd);
    hasChildren_ = true;
    text_.append("<").append(name);
}

std::string CFlatXmlWriter::Finish() {
    text_.append(kEmptyElementEnd).append(kLineEnd);
    if (hasChildren_) text_.append("</").append(rootName_).append(">").append(kLineEnd);
    return std::move(text_);
}

bool SaveFlatXml(const std::string& path, std::string_view text, platform::Durability durability) {
    // Deferred files are written by the thousand into folders a backup may be creating.
    if (durability == platform::Durability::Deferred) MakeFileDirectory(path);
    return platform::WriteFileAtomically(path, CXmlDocument::AnsiToUtf8(text), nullptr, durability);
}

} // namespace nook
