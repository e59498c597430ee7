#include "archive/XmlFileWrite.h"

#include "platform/Files.h"
#include "util/DirectoryPath.h"
#include "xml/XmlDocument.h"

namespace nook {

bool WriteXmlFileDeferred(const std::string& path, const CXmlDocument& doc) {
    MakeFileDirectory(path);
    return platform::WriteFileAtomically(path, CXmlDocument::AnsiToUtf8(doc.GetDocText()), nullptr,
                                         platform::Durability::Deferred);
}

} // namespace nook
