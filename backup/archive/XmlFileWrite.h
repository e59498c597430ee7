// Archive documents that are written by the thousand in one backup (diary records, the
// photo list) go to the disk with the pages: atomically replaced, flushed once by
// platform::FlushDeferredWrites before the marks advance.
#pragma once

#include "xml/XmlDocument.h"

#include <string>
#include <string_view>

namespace nook {

// As CXmlDocument::SaveFile (UTF-8, no declaration), deferred, creating the file's folder.
bool WriteXmlFileDeferred(const std::string& path, const CXmlDocument& doc);
// The same for a document's text (code page 936) made without the document class.
bool WriteXmlFileDeferred(const std::string& path, std::string_view text);

} // namespace nook
