#include "string/RefString.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace nook {

void* CModuleStringAllocator::Allocate(size_t bytes) {
    void* block = std::malloc(bytes);
    if (block) ++allocations_;
    return block;
}

void CModuleStringAllocator::Free(void* block) {
    if (!block) return;
    ++releases_;
    std::free(block);
}

CModuleStringAllocator& ModuleStringAllocator() {
    static CModuleStringAllocator allocator;
    return allocator;
}

// The empty text is one static block per module that is never freed: it has no allocator.
struct CRefString::EmptyBlock {
    Header header{nullptr, 0, 0, {1}};
    char chars[1] = {'\0'};
};

char* CRefString::EmptyData() noexcept {
    static EmptyBlock empty;
    static_assert(offsetof(EmptyBlock, chars) == sizeof(Header), "characters follow the header");
    return empty.chars;
}

CRefString::Header* CRefString::header() const noexcept {
    return reinterpret_cast<Header*>(data_) - 1;
}

CRefString::CRefString() noexcept : data_(EmptyData()) {}

CRefString::CRefString(std::string_view text) : CRefString() {
    if (text.empty() || text.size() > INT32_MAX - sizeof(Header) - 1) return;
    IStringAllocator& allocator = ModuleStringAllocator();
    void* block = allocator.Allocate(sizeof(Header) + text.size() + 1);
    if (!block) return;
    auto* h = new (block) Header{&allocator, static_cast<int32_t>(text.size()), static_cast<int32_t>(text.size()), {1}};
    data_ = reinterpret_cast<char*>(h + 1);
    std::memcpy(data_, text.data(), text.size());
    data_[text.size()] = '\0';
}

CRefString::CRefString(const CRefString& other) noexcept : data_(other.data_) {
    if (header()->allocator) header()->refs.fetch_add(1, std::memory_order_relaxed);
}

CRefString::CRefString(CRefString&& other) noexcept : data_(other.data_) { other.data_ = EmptyData(); }

CRefString& CRefString::operator=(const CRefString& other) noexcept {
    if (this != &other) {
        CRefString copy(other);
        std::swap(data_, copy.data_);
    }
    return *this;
}

CRefString& CRefString::operator=(CRefString&& other) noexcept {
    std::swap(data_, other.data_);
    return *this;
}

CRefString::~CRefString() { Release(); }

size_t CRefString::GetLength() const noexcept { return static_cast<size_t>(header()->length); }

IStringAllocator* CRefString::Allocator() const noexcept { return header()->allocator; }

void CRefString::Release() noexcept {
    Header* h = header();
    if (!h->allocator) return;
    if (h->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        IStringAllocator* allocator = h->allocator;
        h->~Header();
        allocator->Free(h);
    }
}

} // namespace nook
