// The pictures made for the product (tools/make_album_pictures.py writes them into
// saver/content/pictures), installed beside the saver in "Pictures\". The stage shows
// them when there is nothing of the family's to show.
#pragma once

#include "album/AlbumContent.h"

#include <string>
#include <vector>

namespace nook {

inline constexpr const char* kPicturesFolder = "Pictures\\";

inline constexpr const char* kGeneratedPictureNames[] = {
    "sunrise-hills.jpg", "balloons.jpg",     "seaside-evening.jpg", "flower-meadow.jpg",
    "kite-day.jpg",      "autumn-trees.jpg", "little-house.jpg",    "moon-night.jpg",
};

// Every one of them, in this order, whether or not its file is there: the stage skips
// what it cannot decode, and the list is never empty.
std::vector<AlbumPicture> GeneratedPictures(const std::string& saverDir);

} // namespace nook
