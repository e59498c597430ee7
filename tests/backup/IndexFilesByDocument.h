// The index files as the XML document class writes them, element by element with
// AddElement, SetAttribute, AddChildElement and SetChildAttribute and saved by SaveFile:
// the way the archive wrote them before it wrote them directly, kept as the reference
// the direct writer must equal byte for byte.
#pragma once

#include "archive/ArchiveIndex.h"

#include <string>
#include <utility>
#include <vector>

namespace nook::test {

struct ReferenceElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes; // in the order set
};

// The root with its attributes and its children, in order, built by the document class;
// `text`, when given, receives its text (code page 936). False when SaveFile fails.
bool SaveByDocument(const std::string& path, const ReferenceElement& root,
                    const std::vector<ReferenceElement>& children, std::string* text = nullptr);

bool SaveBlogIndexByDocument(const std::string& path, const BlogIndex& index);
bool SaveTwitterIndexByDocument(const std::string& path, const TwitterIndex& index, int count);

} // namespace nook::test
