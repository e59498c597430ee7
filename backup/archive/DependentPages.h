// The pages that depend on others, kept current at the cost of what a backup changed:
// the diary pages whose neighbour links changed, the month pages whose neighbouring
// months changed, and the books of the years whose diaries, comments or posts changed.
// What changed is known from the neighbours before the answer was merged and after it,
// and from what the renderer rendered for the answer; books take the sections the
// renderer kept for this run's pages and copy the others from the books on the disk.
#pragma once

#include "archive/ArchiveIndex.h"
#include "archive/BookSpool.h"
#include "archive/PageNeighbours.h"
#include "service/BackupRecords.h"

#include <set>
#include <vector>

namespace nook {

class CArchivePaths;
class CPageRenderer;

class CDependentPages {
  public:
    // Before the answer's diaries (`arriving`) and posts are merged into `blogs` and
    // `posts`: has the renderer link diary pages in the order after the merge and keep
    // book sections. `paths` and `renderer` are not owned and outlive this.
    CDependentPages(const CArchivePaths& paths, CPageRenderer& renderer, const BlogIndex& blogs,
                    const TwitterIndex& posts, const std::vector<BlogEntry>& arriving);

    // After the answer's pages are rendered and its posts merged into `posts`. False when
    // a page or book could not be written.
    bool WriteChanged(const TwitterIndex& posts);
    // After every page was rendered again: every year's book, none of the old ones read.
    bool WriteAllBooks(const TwitterIndex& posts);

  private:
    std::set<int> ChangedYears() const;
    bool WriteBooks(const std::set<int>& years, const TwitterIndex& posts, bool reuse);
    bool WriteNeighbourPages(const TwitterIndex& posts);

    const CArchivePaths& paths_;
    CPageRenderer& renderer_;
    const CDiaryOrder before_;
    const CDiaryOrder after_;
    const std::set<ArchiveMonth> monthsBefore_;
    CBookSpool spool_;
};

} // namespace nook
