#include "album/FamilyPhotos.h"

#include "album/ArchiveLocation.h"
#include "album/ImagesFolderPictures.h"
#include "album/PhotoListPictures.h"
#include "album/ShowOrder.h"

namespace nook {

std::vector<AlbumPicture> FamilyPhotos(const std::string& suiteDir, uint32_t shuffleSeed) {
    const std::optional<CArchivePaths> archive = LastUserArchive(suiteDir);
    if (!archive) return {};
    std::vector<AlbumPicture> pictures = PhotoListPictures(*archive);
    if (pictures.empty()) return ImagesFolderPictures(*archive);
    ShuffleAfterNewest(pictures, shuffleSeed);
    return pictures;
}

} // namespace nook
