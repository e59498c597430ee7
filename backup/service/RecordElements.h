// The service's records as XML elements: a "Blog", "Comment" or "Twitter" element with
// the service's own attribute names, read from (or written as) the child element of a
// document's main element. The list answer is read this way, and the archive keeps the
// records it receives in the same form.
#pragma once

#include "service/BackupRecords.h"
#include "xml/XmlDocument.h"

namespace nook {

// Times are cut before their fractional seconds; absent numbers read as 0.
BlogEntry ReadBlogElement(const CXmlDocument& doc);
CommentEntry ReadCommentElement(const CXmlDocument& doc);
TwitterEntry ReadTwitterElement(const CXmlDocument& doc);

// Appends the record as a child of the main element.
void WriteBlogElement(CXmlDocument& doc, const BlogEntry& blog);
void WriteCommentElement(CXmlDocument& doc, const CommentEntry& comment);

} // namespace nook
