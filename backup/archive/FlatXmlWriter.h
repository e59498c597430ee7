// Archive files of one root element over a flat list of empty elements (the index files,
// the photo list) written straight from their data, without building an XML document and
// its element index: the same text CXmlDocument holds after AddElement, SetAttribute,
// AddChildElement and SetChildAttribute, so that a file saved from it has the bytes
// SaveFile would write.
// The root element's line, then one line a child, every line ended by CR LF; values
// quoted and entity-encoded by the document class's own EncodeEntities. Every value
// reads back as written, however long: a quote or "<" that is the trail byte of a
// two-byte character is one to the document's reader as well.
#pragma once

#include "platform/Files.h"

#include <string>
#include <string_view>

namespace nook {

class CFlatXmlWriter {
  public:
    // Begins the document with its root element.
    explicit CFlatXmlWriter(std::string_view rootName);

    // Adds an attribute to the element begun last: the root until the first child. Each
    // name once per element, and a plain name (no white space, quotes or "=<>/?&").
    void Attribute(std::string_view name, std::string_view value);
    void Attribute(std::string_view name, int value);

    // Begins the next child element of the root.
    void Child(std::string_view name);

    // Ends the document and gives its text (code page 936); nothing may follow.
    std::string Finish();

  private:
    std::string rootName_;
    std::string text_;
    bool hasChildren_ = false;
};

// Replaces the file with `text` (from Finish) as CXmlDocument::SaveFile does: converted
// to UTF-8 whole, atomically, on the disk before it returns; or, deferred, flushed by
// platform::FlushDeferredWrites with the pages, its folder created when needed.
bool SaveFlatXml(const std::string& path, std::string_view text,
                 platform::Durability durability = platform::Durability::Immediate);

} // namespace nook
