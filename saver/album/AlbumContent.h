// What the stage shows: the pictures of an album file, else the family's photos from
// NookBackup's archive, else the pictures made for the product; in the order to show
// them. Choosing reads files only; decoding the pictures is the stage's business.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nook {

struct AlbumPicture {
    std::string path;    // full path, code page 936
    std::string caption; // diary title and date; empty when there is none
};

struct AlbumContent {
    std::vector<AlbumPicture> pictures; // never empty: the generated set is the last resort
    std::string board;                  // frame picture of an album file, or empty
    std::string music;                  // music file of an album file, or empty
};

struct AlbumSources {
    std::string saverDir; // NookSS's folder, ending in a backslash
    std::string data;     // SSConfig.XML's "data" value: an album file, or empty
    uint32_t shuffleSeed; // orders the older archive photos; a new one at each start
};

// The first source with a picture that exists: the album file "data" names (ReadAlbumFile),
// the family's photos (FamilyPhotos, in the suite folder above saverDir), else the
// generated set (GeneratedPictures), listed whether or not its files are there.
AlbumContent ChooseAlbumContent(const AlbumSources& sources);

} // namespace nook
