// The family's own photos, from the NookBackup archive of the suite the saver belongs to.
#pragma once

#include "album/AlbumContent.h"

#include <cstdint>
#include <string>
#include <vector>

namespace nook {

// The last user's photos (see LastUserArchive): those of the photo list, the newest
// first and the rest shuffled by `shuffleSeed` (ShuffleAfterNewest); when the list gives
// none (an archive of an earlier version has none), the pictures of the photo folder.
// Empty when there is no archive or nothing in it. `suiteDir` ends in a backslash.
std::vector<AlbumPicture> FamilyPhotos(const std::string& suiteDir, uint32_t shuffleSeed);

} // namespace nook
