#include "archive/IndexFiles.h"

#include "app/settings/DecimalText.h"
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
    CXmlDocument doc;
    doc.AddElement("BlogList");
    doc.SetAttribute("Count", static_cast<int>(index.size()));
    for (const auto& [id, entry] : index) {
        doc.AddChildElement("Blog");
        doc.SetChildAttribute("id", id);
        doc.SetChildAttribute("title", entry.title);
        doc.SetChildAttribute("time", entry.time);
        doc.SetChildAttribute("editorchoice", entry.editorChoice ? 1 : 0);
    }
    return doc.SaveFile(path);
}

bool SaveTwitterIndex(const std::string& path, const TwitterIndex& index, int count) {
    CXmlDocument doc;
    doc.AddElement("TwitterList");
    doc.SetAttribute("Count", count);
    for (const auto& [id, entry] : index) {
        doc.AddChildElement("Twitter");
        doc.SetChildAttribute("id", id);
        doc.SetChildAttribute("time", entry.time);
        doc.SetChildAttribute("content", entry.content);
    }
    return doc.SaveFile(path);
}

} // namespace nook
