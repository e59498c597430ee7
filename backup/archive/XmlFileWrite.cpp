#include "archive/XmlFileWrite.h"

#include "platform/Files.h"
#include "util/DirectoryPath.h"
#include "xml/XmlDocument.h"

namespace nook {

bool WriteXmlFileDeferred(const std::string& path, const CXmlDocument& doc) {
    return WriteXmlFileDeferred(path, doc.GetDocText());
}

bool WriteXmlFileDeferred(const std::string& path, std::string_view text) {
    MakeFileDirectory(path);
    return platform::WriteFileAtomically(path, CXmlDocument::AnsiToUtf8(text), nullptr,
                                         platform::Durability::Deferred);
}

} // namespace nook
