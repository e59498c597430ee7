#include "xml/ElementIndex.h"

#include <algorithm>
#include <cstring>

namespace nook {

void ElementIndex::Reset(size_t capacity) {
    blocks_.clear();
    longStartTags_.clear();
    lastBlockSize_ = 0;
    capacity_ = 0;
    Allocate(std::max<size_t>(capacity, 1));
    count_ = 1;
    (*this)[0] = ElementRecord{};
}

// Fresh blocks for `capacity` records; the records are filled as they are taken.
void ElementIndex::Allocate(size_t capacity) {
    while (capacity > 0) {
        uint32_t size = static_cast<uint32_t>(std::min<size_t>(capacity, kBlockSize));
        blocks_.emplace_back(new ElementRecord[size]);
        lastBlockSize_ = size;
        capacity_ += size;
        capacity -= size;
    }
}

void ElementIndex::Grow() {
    uint64_t wanted = std::max<uint64_t>(uint64_t{count_} * 3 / 2, uint64_t{count_} + 1);
    uint64_t limit = (uint64_t{blocks_.size()} + 1) * kBlockSize;
    uint64_t newCapacity = std::min<uint64_t>(wanted, std::min<uint64_t>(limit, uint64_t{0xFFFFFFFFu}));
    if (blocks_.empty()) {
        Allocate(static_cast<size_t>(newCapacity));
        return;
    }
    // Only the last block moves; full blocks keep their records in place.
    uint64_t grow = newCapacity - capacity_;
    if (lastBlockSize_ < kBlockSize) {
        uint32_t size = static_cast<uint32_t>(std::min<uint64_t>(lastBlockSize_ + grow, kBlockSize));
        std::unique_ptr<ElementRecord[]> block(new ElementRecord[size]);
        size_t used = count_ - (blocks_.size() - 1) * size_t{kBlockSize};
        std::memcpy(block.get(), blocks_.back().get(), sizeof(ElementRecord) * std::min<size_t>(used, lastBlockSize_));
        blocks_.back() = std::move(block);
        grow -= size - lastBlockSize_;
        capacity_ += size - lastBlockSize_;
        lastBlockSize_ = size;
    }
    if (grow > 0) Allocate(static_cast<size_t>(grow));
}

} // namespace nook
