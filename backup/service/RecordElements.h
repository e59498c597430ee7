// The service's records as XML elements: a "Blog", "Comment" or "Twitter" element with
// the service's own attribute names, read from the child element of a document's main
// element. The list answer is read this way, and the archive keeps the records it
// receives in the same form (archive/DiaryRecord).
#pragma once

#include "service/BackupRecords.h"
#include "xml/XmlDocument.h"

namespace nook {

// Times are cut before their fractional seconds; absent numbers read as 0.
BlogEntry ReadBlogElement(const CXmlDocument& doc);
CommentEntry ReadCommentElement(const CXmlDocument& doc);
TwitterEntry ReadTwitterElement(const CXmlDocument& doc);

} // namespace nook
