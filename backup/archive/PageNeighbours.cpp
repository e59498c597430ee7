#include "archive/PageNeighbours.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace nook {

namespace {

struct DatedDiary {
    int year = 0, month = 0, day = 0;
    std::string_view rest; // the time after the date
    int32_t id = 0;
    std::string_view title;

    bool operator<(const DatedDiary& other) const {
        return std::tie(year, month, day, rest, id) <
               std::tie(other.year, other.month, other.day, other.rest, other.id);
    }
};

DatedDiary Dated(int32_t id, std::string_view time, std::string_view title) {
    DatedDiary diary;
    diary.id = id;
    diary.title = title;
    if (ParseDate(time, diary.year, diary.month, diary.day))
        diary.rest = time.substr(time.find(' ') + 1);
    else
        diary.rest = time;
    return diary;
}

bool SameMonth(const ArchiveMonth* a, const ArchiveMonth* b) {
    if (!a || !b) return a == b;
    return a->year == b->year && a->month == b->month;
}

bool SameLink(const DiaryLink* a, const DiaryLink* b) {
    if (!a || !b) return a == b;
    return *a == *b;
}

} // namespace

CDiaryOrder::CDiaryOrder(const BlogIndex& index, const std::vector<BlogEntry>& arriving) {
    std::unordered_map<int32_t, const BlogEntry*> replaced;
    for (const BlogEntry& blog : arriving)
        replaced[blog.id] = &blog; // the last copy wins, as in the merge
    std::vector<DatedDiary> dated;
    dated.reserve(index.size() + arriving.size());
    for (const auto& [id, entry] : index)
        if (!replaced.count(id)) dated.push_back(Dated(id, entry.time, entry.title));
    for (const auto& [id, blog] : replaced)
        dated.push_back(Dated(id, blog->createTime, blog->title));
    std::sort(dated.begin(), dated.end());

    links_.reserve(dated.size());
    position_.reserve(dated.size());
    for (const DatedDiary& diary : dated) {
        position_[diary.id] = links_.size();
        links_.push_back({diary.id, {diary.year, diary.month}, std::string(diary.title)});
    }
}

DiaryNeighbours CDiaryOrder::Neighbours(int32_t id) const {
    DiaryNeighbours neighbours;
    auto found = position_.find(id);
    if (found == position_.end()) return neighbours;
    const size_t at = found->second;
    if (at > 0) neighbours.previous = &links_[at - 1];
    if (at + 1 < links_.size()) neighbours.next = &links_[at + 1];
    return neighbours;
}

const DiaryLink* CDiaryOrder::Find(int32_t id) const {
    auto found = position_.find(id);
    return found == position_.end() ? nullptr : &links_[found->second];
}

std::vector<const DiaryLink*> CDiaryOrder::DiariesOf(int year) const {
    std::vector<const DiaryLink*> diaries;
    for (const DiaryLink& link : links_)
        if (link.month.year == year) diaries.push_back(&link);
    return diaries;
}

std::set<int> CDiaryOrder::Years() const {
    std::set<int> years;
    for (const DiaryLink& link : links_)
        years.insert(link.month.year);
    return years;
}

std::set<int32_t> CDiaryOrder::ChangedNeighbours(const CDiaryOrder& before) const {
    std::set<int32_t> changed;
    for (const DiaryLink& link : links_) {
        const DiaryNeighbours now = Neighbours(link.id);
        const DiaryNeighbours then = before.Neighbours(link.id);
        if (!before.Contains(link.id) || !SameLink(now.previous, then.previous) ||
            !SameLink(now.next, then.next))
            changed.insert(link.id);
    }
    return changed;
}

std::set<ArchiveMonth> MonthsWithPosts(const TwitterIndex& posts) {
    std::set<ArchiveMonth> months;
    for (const auto& [id, post] : posts)
        months.insert(ArchiveMonthOf(post.time));
    return months;
}

MonthNeighbours NeighboursOf(const std::set<ArchiveMonth>& months, ArchiveMonth month) {
    MonthNeighbours neighbours;
    auto found = months.find(month);
    if (found == months.end()) return neighbours;
    if (found != months.begin()) neighbours.previous = &*std::prev(found);
    if (std::next(found) != months.end()) neighbours.next = &*std::next(found);
    return neighbours;
}

std::set<ArchiveMonth> ChangedNeighbours(const std::set<ArchiveMonth>& before,
                                         const std::set<ArchiveMonth>& after) {
    std::set<ArchiveMonth> changed;
    for (const ArchiveMonth& month : after) {
        const MonthNeighbours now = NeighboursOf(after, month);
        const MonthNeighbours then = NeighboursOf(before, month);
        if (!before.count(month) || !SameMonth(now.previous, then.previous) ||
            !SameMonth(now.next, then.next))
            changed.insert(month);
    }
    return changed;
}

} // namespace nook
