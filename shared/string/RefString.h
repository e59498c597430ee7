// The string type that crosses module boundaries (program <-> plug-in). Each module has
// its own heap, so the header before the characters records the allocator that made
// them, and the last release goes back through it, whichever module releases.
//
//   [ allocator | length | capacity | refs ] chars... '\0'
//                                           ^ data_ points here
//
// Copies share the data; the count is atomic. Text inside a module is std::string; this
// type is only for the boundary, so it is immutable apart from assignment.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nook {

class IStringAllocator {
public:
    virtual void* Allocate(size_t bytes) = 0;
    virtual void Free(void* block) = 0;

protected:
    ~IStringAllocator() = default;
};

// This module's allocator, with counts of the blocks it handed out and took back.
class CModuleStringAllocator final : public IStringAllocator {
public:
    void* Allocate(size_t bytes) override;
    void Free(void* block) override;
    long Allocations() const { return allocations_.load(); }
    long Releases() const { return releases_.load(); }

private:
    std::atomic<long> allocations_{0};
    std::atomic<long> releases_{0};
};

CModuleStringAllocator& ModuleStringAllocator();

class CRefString {
public:
    CRefString() noexcept;
    CRefString(std::string_view text); // NOLINT: implicit from text is the point
    CRefString(const char* text) : CRefString(std::string_view(text ? text : "")) {}
    CRefString(const CRefString& other) noexcept;
    CRefString(CRefString&& other) noexcept;
    CRefString& operator=(const CRefString& other) noexcept;
    CRefString& operator=(CRefString&& other) noexcept;
    ~CRefString();

    const char* c_str() const noexcept { return data_; }
    size_t GetLength() const noexcept;
    bool IsEmpty() const noexcept { return GetLength() == 0; }
    std::string_view view() const noexcept { return {data_, GetLength()}; }
    std::string str() const { return std::string(view()); }

    // The allocator that made the characters (null for the shared empty text).
    IStringAllocator* Allocator() const noexcept;

private:
    struct Header {
        IStringAllocator* allocator;
        int32_t length;
        int32_t capacity;
        std::atomic<long> refs;
    };
    struct EmptyBlock;
    static char* EmptyData() noexcept;
    Header* header() const noexcept;
    void Release() noexcept;

    char* data_;
};

} // namespace nook
