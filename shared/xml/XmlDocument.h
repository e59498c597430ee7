// CXmlDocument: the XML document of every configuration file, service answer, archive
// index and screen-saver configuration.
//
// The document text is the master copy. Beside it the class keeps an index of element
// records with byte offsets into the text (ElementIndex.h); names and values are read
// from the text when asked for, and edits splice the text and shift the offsets. All
// text is code page 936 bytes; all data lives in attributes, elements carry no text.
//
// One source, two builds: the full build (NookBackup, library nook_xml_full) and the
// reduced build (the screen saver and the plug-ins, nook_xml_reduced, which defines
// NOOK_XML_REDUCED). The reduced build keeps files byte for byte, knows only the five
// XML entity names and adds GetAttributeName. Each build has its own inline namespace
// so a program that linked both by mistake fails to link instead of mixing them.
//
// A document belongs to one thread at a time (reading attributes fills a small cache).
// It can be moved, not copied.
#pragma once

#include "xml/ElementIndex.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nook {

namespace xml {
class XmlScanner;
}

#ifdef NOOK_XML_REDUCED
#define NOOK_XML_BUILD xml_reduced
#else
#define NOOK_XML_BUILD xml_full
#endif
inline namespace NOOK_XML_BUILD {

// The kind of a node. Also bit masks for FindNode.
enum NodeKind : int {
    kNodeEndTag = 0,
    kNodeElement = 1,
    kNodeText = 2,
    kNodeWhitespace = 4,
    kNodeCData = 8,
    kNodeProcessingInstruction = 16,
    kNodeComment = 32,
    kNodeDocType = 64,
    kNodeStrayEndTag = 128,
    kNodeError = 0x8000,
    kNodeBadToken = -1,
    kNodeEndOfText = -2,
};

// Where a document stands. Main is the element the caller is "at", parent the element
// whose children main walks through (0: the top level), child one of main's children.
// For a node that is not an element, its offset and length in the text.
struct XmlPosition {
    uint32_t parent = 0;
    uint32_t main = 0;
    uint32_t child = 0;
    int nodeKind = 0;
    int32_t nodeOffset = 0;
    int32_t nodeLength = 0;
};

class CXmlDocument {
public:
    CXmlDocument();
    explicit CXmlDocument(std::string_view text);

    // Replaces the whole text and rebuilds the index; true when well-formed.
    bool SetDocText(std::string_view text = {});
    const std::string& GetDocText() const { return text_; }

    // The last file-status message and the first parse error.
    const std::string& GetMessageText() const { return message_; }

    // False when the file cannot be read (the document is then unchanged, the message
    // text holds the runtime's error) or when the loaded text is not well-formed. The
    // full build converts a UTF-8 file (no declaration, or one naming UTF-8) to code
    // page 936.
    bool LoadFile(const std::string& path);
    // Replaces the file atomically: on failure the old file is intact, the result is
    // false and the message text holds the runtime's error. The full build writes a
    // document without a declaration, or declared UTF-8, as UTF-8.
    bool SaveFile(const std::string& path);

    // The whole-file routines under LoadFile and SaveFile, bytes unchanged; the
    // plug-ins also use them on their own. The message is "<size> bytes" on success,
    // the runtime's error text on failure.
    static bool ReadFileText(const std::string& path, std::string& text, std::string* message = nullptr);
    static bool WriteFileText(const std::string& path, std::string_view text, std::string* message = nullptr);

    // Navigation. A name matches an element whose name equals it, or equals its start
    // when it goes on with one of " =/[]"; an empty name matches any element.
    // A failed call leaves the position unchanged.
    bool FindElement(std::string_view name = {});      // main: next sibling of that name
    bool FindChildElement(std::string_view name = {}); // child: next child of main
    bool IntoElement();                                // parent <- main <- child
    // Back to before the root element, as after loading.
    void ResetPos();

    // Decoded attribute values of main (or of the current processing instruction) and
    // of child; an empty text when missing. An attribute written without "=" has its
    // own name as value.
    std::string GetAttribute(std::string_view name) const;
    std::string GetChildAttribute(std::string_view name) const;
#ifdef NOOK_XML_REDUCED
    // The raw name of main's index-th attribute (from 0), or an empty text.
    std::string GetAttributeName(int index) const;
#endif

    // Set or add an attribute of main (or child; main may also be the current
    // processing instruction); the value is stored quoted and entity-encoded. False,
    // with nothing changed, when there is no such element, when the name would not read
    // back (empty, white space, quotes or one of "=<>/?&"), or when the edit would change
    // how the tag reads.
    bool SetAttribute(std::string_view name, std::string_view value);
    bool SetAttribute(std::string_view name, int value);
    bool SetChildAttribute(std::string_view name, std::string_view value);
    bool SetChildAttribute(std::string_view name, int value);

    // Append an empty element on its own CR LF line: after main or the current node (it
    // becomes main), or under main after child (it becomes child). False, with nothing
    // changed, when the name does not make one empty-element tag or when markup left
    // open at the end of the text would swallow the element.
    bool AddElement(std::string_view name);
    bool AddChildElement(std::string_view name);

    // Moves to the next node of one of `kinds` (NodeKind bits; 0 means any) after the
    // current one; returns its kind, or 0 when there is none.
    int FindNode(int kinds = 0);
    // The name of a record's element as read from the text.
    std::string GetTagName(uint32_t record) const;

    const XmlPosition& GetPosition() const { return pos_; }
    const ElementIndex& GetIndex() const { return index_; }

    // The "encoding" attribute of the text's XML declaration, or an empty text.
    static std::string GetDeclaredEncoding(std::string_view text);

    // UTF-8 <-> code page 936. `lost`, when given, tells whether a character had no
    // equivalent and was replaced by the default character.
    static std::string Utf8ToAnsi(std::string_view text, bool* lost = nullptr);
    static std::string AnsiToUtf8(std::string_view text);

    // Markup forms of plain text: "<&>" (and in attribute mode "'\"") as references,
    // and a CDATA section that survives "]]>" in the text.
    static std::string EncodeEntities(std::string_view text, bool attributeMode = false);
    static std::string EncodeCData(std::string_view text);
    // Plain text from markup text: named and numeric character references replaced.
    static std::string DecodeEntities(std::string_view text);

private:
    bool ParseDocument();
    uint32_t BuildIndex(uint32_t startRecord, xml::XmlScanner& scanner);
    uint32_t NextMatchingSibling(uint32_t first, std::string_view name) const;
    // The start tag of main (or child), or the processing instruction that is the
    // current node; false when there is none.
    bool CurrentTag(bool child, size_t& start, size_t& length, size_t& nameOffset) const;
    std::string ReadAttribute(bool child, std::string_view name) const;
    // The attributes of the tag read last, four offsets each (name begin and end, value
    // begin and end), so that reading a tag's attributes one by one scans it once. Any
    // change of the text forgets them; reading a document from two threads at once is
    // therefore not safe.
    const std::vector<uint32_t>& TagAttributes(size_t start, size_t length, size_t nameOffset) const;
    bool SetAttributeOf(bool child, std::string_view name, std::string_view value);
    uint32_t AddElementUnder(uint32_t parent, uint32_t reference, std::string_view name, bool afterNode);
    bool CanAppendAtEnd(size_t boundary) const;
    void Splice(size_t offset, size_t removed, std::string_view inserted);
    void ShiftDescendants(uint32_t record, int32_t change);
    void ShiftAfter(uint32_t parent, uint32_t previous, int32_t change);

    std::string text_;
    std::string message_;
    ElementIndex index_;
    XmlPosition pos_;
    mutable std::vector<uint32_t> attributeCache_;
    mutable size_t cachedTagStart_ = SIZE_MAX;
};

} // namespace NOOK_XML_BUILD
} // namespace nook
