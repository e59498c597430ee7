// The family's photos of an archive without a photo list (one an earlier NookBackup
// wrote): whatever pictures its photo folder holds.
#pragma once

#include "album/AlbumContent.h"
#include "archive/ArchivePaths.h"

#include <vector>

namespace nook {

// Every .jpg, .jpeg, .png, .gif and .bmp file (any letter case) of the user's Images
// folder, newest file first (same time: by name), without captions.
std::vector<AlbumPicture> ImagesFolderPictures(const CArchivePaths& archive);

} // namespace nook
