// What the archive records about itself in "Archive.xml" in the user folder: the
// layout version its pages were rendered with, whether a one-time full backup is
// under way because the archive was written by a version that kept no diary records
// and no photo list, and the marks of the last backup stored in it. An archive without
// this file but with index files is such an archive.
#pragma once

#include "app/settings/Settings.h"

#include <cstdint>
#include <optional>
#include <string>

namespace nook {

// The page layout this program renders. 2: photos referred to relative to the page;
// 3: every HTML field sanitised, pictures in comments, replies and posts kept locally;
// 4: the index page with its search data, links between neighbouring pages, year books.
inline constexpr int32_t kPageVersion = 4;

struct ArchiveState {
    int32_t pageVersion = kPageVersion;
    bool fullBackupPending = false;
    // The marks the user file holds belong to whichever folder was backed up last; these
    // are the ones this archive reached. Archives of earlier versions have none.
    std::optional<BackupMarks> marks;
};

// False, with `state` at its defaults, when the file is missing or holds no state.
bool LoadArchiveState(const std::string& path, ArchiveState& state);
bool SaveArchiveState(const std::string& path, const ArchiveState& state);

} // namespace nook
