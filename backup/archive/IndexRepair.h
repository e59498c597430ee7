// The index files are written whole by every backup from the indexes loaded at login.
// Should one be cut short, go, or be replaced by an older copy (a disk error, a sync
// tool), what it lost would drop out of the archive for good at the next backup. Diaries
// come back from their records; posts, kept nowhere else, and diaries whose records went
// too are asked for again.
#pragma once

#include "app/settings/Settings.h"
#include "archive/ArchiveIndex.h"
#include "archive/ArchivePaths.h"

#include <cstddef>

namespace nook {

// Adds every diary whose record holds it but `blogs` does not; how many were added.
size_t AddDiariesOnlyRecordsHold(const CArchivePaths& paths, BlogIndex& blogs);

// The backup that set the marks stored the diary and the post they name in the indexes.
// Where an index lacks it, it lost items the marks have passed: that list's mark goes
// back to the start (for diaries, with the comments their records kept), and the
// service sends the list whole again.
BackupMarks MarksTheIndexesHold(const BackupMarks& marks, const BlogIndex& blogs, const TwitterIndex& posts);

} // namespace nook
