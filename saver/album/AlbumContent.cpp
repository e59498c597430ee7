#include "album/AlbumContent.h"

#include "album/AlbumFile.h"
#include "album/FamilyPhotos.h"
#include "album/GeneratedPictures.h"
#include "album/LocalPath.h"

namespace nook {

AlbumContent ChooseAlbumContent(const AlbumSources& sources) {
    const std::string albumPath = LocalFilePath(sources.data, sources.saverDir);
    if (!albumPath.empty()) {
        AlbumContent album = ReadAlbumFile(albumPath);
        if (!album.pictures.empty()) return album;
    }
    AlbumContent content;
    const std::string suiteDir = ParentFolder(sources.saverDir);
    if (!suiteDir.empty()) content.pictures = FamilyPhotos(suiteDir, sources.shuffleSeed);
    if (content.pictures.empty()) content.pictures = GeneratedPictures(sources.saverDir);
    return content;
}

} // namespace nook
