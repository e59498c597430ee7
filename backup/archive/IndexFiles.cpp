#include "archive/IndexFiles.h"

#include "app/settings/DecimalText.h"
#include "archive/FlatXmlWriter.h"
#include "xml/XmlDocument.h"

namespace nook {

void LoadBlogIndex(const std::string& path, BlogIndex& index) {
    index.clear();
    CXmlDocument doc;
    doc.LoadFile(path);
    if (!doc.FindElement("BlogList")) return;
    while (doc.FindChildElement("Blog")) {
        BlogIndexEntry entry;
        entry.id = DecimalValue(doc.GetChildAttribute("id"));
        entry.title = doc.GetChildAttribute("title");
        entry.time = doc.GetChildAttribute("time");
        entry.editorChoice = DecimalValue(doc.GetChildAttribute("editorchoice")) != 0;
        index[entry.id] = std::move(entry);
    }
}

void LoadTwitterIndex(const std::string& path, TwitterIndex& index) {
    index.clear();
    CXmlDocument doc;
    doc.LoadFile(path);
    if (!doc.FindElement("TwitterList")) return;
    while (doc.FindChildElement("Twitter")) {
        TwitterIndexEntry entry;
        entry.id = DecimalValue(doc.GetChildAttribute("id"));
        entry.time = doc.GetChildAttribute("time");
        entry.content = doc.GetChildAttribute("content");
        index[entry.id] = std::move(entry);
    }
}

bool SaveBlogIndex(const std::string& path, const BlogIndex& index) {
    CFlatXmlWriter writer("BlogList");
    writer.Attribute("Count", static_cast<int>(index.size()));
    for (const auto& [id, entry] : index) {
        writer.Child("Blog");
        writer.Attribute("id", id);
        writer.Attribute("title", entry.title);
        writer.Attribute("time", entry.time);
        writer.Attribute("editorchoice", entry.editorChoice ? 1 : 0);
    }
    return SaveFlatXml(path, writer.Finish());
}

bool SaveTwitterIndex(const std::string& path, const TwitterIndex& index, int count) {
    CFlatXmlWriter writer("TwitterList");
    writer.Attribute("Count", count);
    for (const auto& [id, entry] : index) {
        writer.Child("Twitter");
        writer.Attribute("id", id);
        writer.Attribute("time", entry.time);
        writer.Attribute("content", entry.content);
    }
    return SaveFlatXml(path, writer.Finish());
}

} // namespace nook
