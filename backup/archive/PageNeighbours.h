// The pages next to a page: every diary page links the diary before and after it by
// date, every month page the months before and after it that have posts. A backup
// compares the neighbours before and after it merged the answer, so it renders again
// exactly the pages whose links changed.
//
// Diaries go by the date of their creation time (year, month, day as ParseDate reads
// them, so "2008-5-3" and "2008-05-03" are the same day), then by the rest of the time
// as text, then by id: with the service's zero-padded times this is the archive tree's
// order. A time that does not parse is dated 0-0-0 and comes first.
#pragma once

#include "archive/ArchiveIndex.h"
#include "archive/ParseDate.h"
#include "service/BackupRecords.h"

#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace nook {

// A diary as a link shows it.
struct DiaryLink {
    int32_t id = 0;
    ArchiveMonth month;
    std::string title;
    bool operator==(const DiaryLink& other) const {
        return id == other.id && month.year == other.month.year && month.month == other.month.month &&
               title == other.title;
    }
};

// The diaries before and after one; either may be missing (the first and the last).
struct DiaryNeighbours {
    const DiaryLink* previous = nullptr;
    const DiaryLink* next = nullptr;
};

class CDiaryOrder {
  public:
    CDiaryOrder() = default;
    explicit CDiaryOrder(const BlogIndex& index) : CDiaryOrder(index, {}) {}
    // The order once `arriving` is merged into `index`: an arriving diary replaces the
    // entry with its id (title and creation time), as the merge does.
    CDiaryOrder(const BlogIndex& index, const std::vector<BlogEntry>& arriving);

    // Nothing for a diary that is not in the order.
    DiaryNeighbours Neighbours(int32_t id) const;
    bool Contains(int32_t id) const { return position_.count(id) != 0; }
    // Null for a diary that is not in the order.
    const DiaryLink* Find(int32_t id) const;

    // The diaries of `year`, in order.
    std::vector<const DiaryLink*> DiariesOf(int year) const;
    std::set<int> Years() const;

    // The diaries of this order whose neighbours differ from those they had in `before`
    // (a neighbour's title or place counts); diaries new to the order included.
    std::set<int32_t> ChangedNeighbours(const CDiaryOrder& before) const;

  private:
    std::vector<DiaryLink> links_;                 // in order
    std::unordered_map<int32_t, size_t> position_; // id to index in links_
};

// The months that have posts, and the months before and after one of them.
std::set<ArchiveMonth> MonthsWithPosts(const TwitterIndex& posts);
struct MonthNeighbours {
    const ArchiveMonth* previous = nullptr;
    const ArchiveMonth* next = nullptr;
};
// Nothing for a month that is not in `months`.
MonthNeighbours NeighboursOf(const std::set<ArchiveMonth>& months, ArchiveMonth month);
// The months of `after` whose neighbours differ from those they had in `before`.
std::set<ArchiveMonth> ChangedNeighbours(const std::set<ArchiveMonth>& before,
                                         const std::set<ArchiveMonth>& after);

} // namespace nook
