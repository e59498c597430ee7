#include "tests/backup/IndexFilesByDocument.h"

#include "xml/XmlDocument.h"

namespace nook::test {

bool SaveByDocument(const std::string& path, const ReferenceElement& root,
                    const std::vector<ReferenceElement>& children, std::string* text) {
    CXmlDocument doc;
    doc.AddElement(root.name);
    for (const auto& [name, value] : root.attributes)
        doc.SetAttribute(name, value);
    for (const ReferenceElement& child : children) {
        doc.AddChildElement(child.name);
        for (const auto& [name, value] : child.attributes)
            doc.SetChildAttribute(name, value);
    }
    if (text) *text = doc.GetDocText();
    return doc.SaveFile(path);
}

bool SaveBlogIndexByDocument(const std::string& path, const BlogIndex& index) {
    std::vector<ReferenceElement> blogs;
    for (const auto& [id, entry] : index)
        blogs.push_back({"Blog",
                         {{"id", std::to_string(id)},
                          {"title", entry.title},
                          {"time", entry.time},
                          {"editorchoice", entry.editorChoice ? "1" : "0"}}});
    return SaveByDocument(path, {"BlogList", {{"Count", std::to_string(index.size())}}}, blogs);
}

bool SaveTwitterIndexByDocument(const std::string& path, const TwitterIndex& index, int count) {
    std::vector<ReferenceElement> posts;
    for (const auto& [id, entry] : index)
        posts.push_back(
            {"Twitter", {{"id", std::to_string(id)}, {"time", entry.time}, {"content", entry.content}}});
    return SaveByDocument(path, {"TwitterList", {{"Count", std::to_string(count)}}}, posts);
}

} // namespace nook::test
