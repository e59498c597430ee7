// Keeps the index page, the search data and the comment counts of a user folder in line
// with the archive at the cost of what a backup changed: index.html is small and written
// whenever anything changed; of the search data only the years whose diaries, comments
// or posts changed are written, one year at a time, each by replacing the lines of its
// changed items (a year whose file is missing or not as written is written anew from the
// records). Only the records of changed diaries are read, and not even those that the
// answer made alone. Everything goes through the deferred writes, on the disk before the
// marks advance.
#pragma once

#include "archive/ArchiveIndex.h"
#include "archive/ArchivePaths.h"
#include "service/BackupAnswer.h"

#include <cstddef>
#include <cstdint>
#include <set>

namespace nook {

class CPageRenderer;

// What a backup changes, noted before its answer is merged into the indexes: afterwards
// the years its items were filed under until now are no longer known.
struct IndexChanges {
    std::set<int32_t> diaries; // the answer's and those it brings comments for
    std::set<int32_t> posts;
    std::set<int> yearsBefore; // where the answer's diaries and posts were filed
    // Diaries without a record before the answer: their records hold what it brought.
    std::set<int32_t> fresh;
    const BlogListAnswer* answer = nullptr; // not owned; outlives the update
    bool everything = false;                // write all of it from the records
};

// `answer` must outlive the update it is used for.
IndexChanges IndexChangesOf(const CArchivePaths& paths, const BlogListAnswer& answer, const BlogIndex& blogs,
                            const TwitterIndex& posts);
IndexChanges AllOfTheIndex();

// Writes what `changes` (after the answer is merged into `blogs` and `posts`) call for;
// `photos` is the number of photos the archive holds or fetches. The template is read
// through `templates` (a missing one is logged and renders as empty). False when a file
// could not be written.
bool UpdateIndexPages(const CArchivePaths& paths, const BlogIndex& blogs, const TwitterIndex& posts, size_t photos,
                      const IndexChanges& changes, CPageRenderer& templates);

} // namespace nook
