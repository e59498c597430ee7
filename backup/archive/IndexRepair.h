// BlogList.xml is written whole by every backup from the index loaded at login. Should
// the file be cut short or replaced by an older copy (a disk error, a sync tool), the
// diaries it lost would drop out of the archive's index for good at the next backup,
// though their records are kept. Their records put them back.
#pragma once

#include "archive/ArchiveIndex.h"
#include "archive/ArchivePaths.h"

#include <cstddef>

namespace nook {

// Adds every diary whose record holds it but `blogs` does not; how many were added.
size_t AddDiariesOnlyRecordsHold(const CArchivePaths& paths, BlogIndex& blogs);

} // namespace nook
