#include "album/GeneratedPictures.h"

namespace nook {

std::vector<AlbumPicture> GeneratedPictures(const std::string& saverDir) {
    std::vector<AlbumPicture> pictures;
    for (const char* name : kGeneratedPictureNames)
        pictures.push_back({saverDir + kPicturesFolder + name, {}});
    return pictures;
}

} // namespace nook
