#include "archive/CommentCounts.h"

#include "app/settings/DecimalText.h"
#include "archive/FlatXmlWriter.h"
#include "xml/XmlDocument.h"

namespace nook {

bool LoadCommentCounts(const std::string& path, CommentCounts& counts) {
    counts.clear();
    CXmlDocument doc;
    if (!doc.LoadFile(path) || !doc.FindElement("CommentCounts")) return false;
    while (doc.FindChildElement("Blog"))
        counts[DecimalValue(doc.GetChildAttribute("id"))] = DecimalValue(doc.GetChildAttribute("comments"));
    return true;
}

bool SaveCommentCounts(const std::string& path, const CommentCounts& counts) {
    CFlatXmlWriter writer("CommentCounts");
    for (const auto& [id, count] : counts) {
        writer.Child("Blog");
        writer.Attribute("id", id);
        writer.Attribute("comments", count);
    }
    return SaveFlatXml(path, writer.Finish(), platform::Durability::Deferred);
}

} // namespace nook
