#include "archive/DependentPages.h"

#include "archive/ArchivePaths.h"
#include "archive/DiaryRecord.h"
#include "archive/PageRenderer.h"
#include "archive/YearBook.h"

#include <map>

namespace nook {

CDependentPages::CDependentPages(const CArchivePaths& paths, CPageRenderer& renderer, const BlogIndex& blogs,
                                 const TwitterIndex& posts, const std::vector<BlogEntry>& arriving)
    : paths_(paths), renderer_(renderer), before_(blogs), after_(blogs, arriving),
      monthsBefore_(MonthsWithPosts(posts)), spool_(paths.UserFolder() + "BookSections.tmp") {
    renderer_.LinkDiaries(&after_);
    renderer_.KeepBookSections(&spool_);
}

std::set<int> CDependentPages::ChangedYears() const {
    std::set<int> years;
    for (int32_t id : renderer_.RenderedDiaries()) {
        // A diary whose date moved leaves the book of its old year.
        for (const CDiaryOrder* order : {&before_, &after_})
            if (const DiaryLink* diary = order->Find(id)) years.insert(diary->month.year);
    }
    for (const ArchiveMonth& month : renderer_.MonthsAskedFor())
        years.insert(month.year);
    return years;
}

bool CDependentPages::WriteChanged(const TwitterIndex& posts) {
    bool allWritten = WriteBooks(ChangedYears(), posts, true);
    renderer_.KeepBookSections(nullptr);
    spool_.Discard();
    return WriteNeighbourPages(posts) && allWritten;
}

bool CDependentPages::WriteAllBooks(const TwitterIndex& posts) {
    std::set<int> years = after_.Years();
    for (const ArchiveMonth& month : MonthsWithPosts(posts))
        years.insert(month.year);
    const bool allWritten = WriteBooks(years, posts, false);
    renderer_.KeepBookSections(nullptr);
    spool_.Discard();
    return allWritten;
}

bool CDependentPages::WriteBooks(const std::set<int>& years, const TwitterIndex& posts, bool reuse) {
    std::map<int, YearPosts> postsByYear;
    for (const auto& [id, post] : posts) {
        const ArchiveMonth month = ArchiveMonthOf(post.time);
        if (years.count(month.year)) postsByYear[month.year][month.month].push_back(&post);
    }
    CYearBookWriter books(paths_, renderer_, spool_);
    bool allWritten = true;
    for (int year : years)
        allWritten = books.Write(year, after_, postsByYear[year], reuse) && allWritten;
    return allWritten;
}

bool CDependentPages::WriteNeighbourPages(const TwitterIndex& posts) {
    bool allWritten = true;
    for (int32_t id : after_.ChangedNeighbours(before_)) {
        if (renderer_.RenderedDiaries().count(id)) continue;
        DiaryRecord record;
        if (!LoadDiaryRecord(paths_.DiaryRecordPath(id), record) || !record.hasBlog) continue;
        allWritten = renderer_.RenderBlogPage(record) && allWritten;
    }
    std::set<ArchiveMonth> months;
    for (const ArchiveMonth& month : ChangedNeighbours(monthsBefore_, MonthsWithPosts(posts)))
        if (!renderer_.MonthsAskedFor().count(month)) months.insert(month);
    if (!months.empty()) allWritten = renderer_.RenderMonthPages(posts, months) && allWritten;
    return allWritten;
}

} // namespace nook
