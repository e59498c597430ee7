// The element index of a CXmlDocument: fixed 32-byte records that hold byte offsets
// into the document text, never names or values.
//
// Records live in blocks of 65,536; a record number is block << 16 | slot. Every block
// but the last is full, and growing reallocates only the last block, so a record in a
// full block never moves. Record 0 describes the whole document; number 0 also means
// "none" in every link field.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace nook {

// LevelAndFlags bits above the 16-bit nesting depth.
constexpr uint32_t kLevelMask = 0xFFFF;
constexpr uint32_t kFirstSibling = 0x80000;
constexpr uint32_t kUnended = 0x100000;
constexpr uint32_t kContainsError = 0x200000;
constexpr uint32_t kIllFormed = 0x800000; // record 0 only

// TagLengths: start tag in bits 0-21, end tag in bits 22-31. A start tag of
// kLongStartTag bytes or more (a diary's text in one attribute can run to megabytes)
// keeps kLongStartTag there and its length beside the records. An end tag longer than
// kMaxEndTag cannot be recorded.
constexpr uint32_t kLongStartTag = 0x3FFFFF;
constexpr int kEndTagShift = 22;
constexpr uint32_t kMaxEndTag = 0x3FF;

struct ElementRecord {
    int32_t ElementStart;
    int32_t ElementLength;
    uint32_t TagLengths;
    uint32_t LevelAndFlags;
    uint32_t Parent;
    uint32_t FirstChild;
    uint32_t NextSibling;
    uint32_t PrevSibling; // of the first child: the last child

    uint32_t EndTagLength() const { return TagLengths >> kEndTagShift; }
    uint32_t Level() const { return LevelAndFlags & kLevelMask; }
    int32_t End() const { return ElementStart + ElementLength; }
};
static_assert(sizeof(ElementRecord) == 32, "records are eight 32-bit words");

class ElementIndex {
public:
    static constexpr int kBlockBits = 16;
    static constexpr uint32_t kBlockSize = 1u << kBlockBits;

    // Drops every record, makes room for `capacity` records, clears record 0 and
    // leaves one record in use.
    void Reset(size_t capacity);

    // The next free record number.
    uint32_t Count() const { return count_; }
    uint32_t Capacity() const { return capacity_; }
    bool Exists() const { return capacity_ > 0; }

    ElementRecord& operator[](uint32_t n) { return blocks_[n >> kBlockBits][n & (kBlockSize - 1)]; }
    const ElementRecord& operator[](uint32_t n) const { return blocks_[n >> kBlockBits][n & (kBlockSize - 1)]; }

    // Record `n`'s start tag length, however long.
    uint32_t StartTagLength(uint32_t n) const {
        const uint32_t field = (*this)[n].TagLengths & kLongStartTag;
        return field == kLongStartTag ? longStartTags_.at(n) : field;
    }
    void SetTagLengths(uint32_t n, uint32_t startTag, uint32_t endTag) {
        if (startTag >= kLongStartTag)
            longStartTags_[n] = startTag;
        else if (!longStartTags_.empty())
            longStartTags_.erase(n);
        (*this)[n].TagLengths = std::min(startTag, kLongStartTag) | endTag << kEndTagShift;
    }

    // Takes the next free record, growing the index when it is full. The record's
    // contents are left to the caller.
    uint32_t Append() {
        if (count_ == capacity_) Grow();
        return count_++;
    }

    // Takes the next free record for an element that is only its start tag so far:
    // `tagLength` bytes at `start`, at nesting `level` under `parent`, without children
    // and not yet among its siblings.
    uint32_t AppendElement(int32_t start, uint32_t tagLength, uint32_t level, uint32_t parent) {
        const uint32_t n = Append();
        ElementRecord& element = (*this)[n];
        element.ElementStart = start;
        element.ElementLength = static_cast<int32_t>(tagLength);
        SetTagLengths(n, tagLength, 0);
        element.LevelAndFlags = level & kLevelMask;
        element.Parent = parent;
        element.FirstChild = 0;
        element.NextSibling = 0;
        element.PrevSibling = 0;
        return n;
    }

    // Makes `child` the last of `parent`'s children.
    void LinkLastChild(uint32_t parent, uint32_t child) {
        ElementRecord& under = (*this)[parent];
        ElementRecord& element = (*this)[child];
        if (under.FirstChild == 0) {
            under.FirstChild = child;
            element.LevelAndFlags |= kFirstSibling;
            element.PrevSibling = child;
        } else {
            ElementRecord& first = (*this)[under.FirstChild];
            element.PrevSibling = first.PrevSibling;
            (*this)[first.PrevSibling].NextSibling = child;
            first.PrevSibling = child;
        }
    }

private:
    void Grow();
    void Allocate(size_t capacity);

    std::vector<std::unique_ptr<ElementRecord[]>> blocks_;
    std::unordered_map<uint32_t, uint32_t> longStartTags_; // by record, the rare long ones
    uint32_t lastBlockSize_ = 0;
    uint32_t count_ = 0;
    uint32_t capacity_ = 0;
};

} // namespace nook
