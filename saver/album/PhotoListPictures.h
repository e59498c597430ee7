// The family's photos as the archive's photo list knows them, each with the diary that
// shows it.
#pragma once

#include "album/AlbumContent.h"
#include "archive/ArchivePaths.h"

#include <vector>

namespace nook {

// The photos of the photo list that are stored and whose files are in the user folder,
// newest first, each captioned with its diary's title and date. A photo is as old as
// the earliest diary of the diary index that shows it (the one it came with, so a photo
// an update shows again keeps its place); photos of the same diary keep the list's
// order, and photos of no known diary come last, without a caption. Empty when the
// list is missing or unreadable.
std::vector<AlbumPicture> PhotoListPictures(const CArchivePaths& archive);

} // namespace nook
