#include "album/ImagesFolderPictures.h"

#include "platform/FolderFiles.h"
#include "util/MbcsText.h"

#include <algorithm>

namespace nook {

namespace {

bool IsPictureName(const std::string& name) {
    const size_t dot = ReverseFindChar(name, '.');
    if (dot == std::string::npos) return false;
    const std::string extension = AsciiLower(std::string_view(name).substr(dot));
    return extension == ".jpg" || extension == ".jpeg" || extension == ".png" || extension == ".gif" ||
           extension == ".bmp";
}

} // namespace

std::vector<AlbumPicture> ImagesFolderPictures(const CArchivePaths& archive) {
    std::vector<platform::FolderFile> files;
    platform::ListFolderFiles(archive.ImagesFolder(), files);
    files.erase(std::remove_if(files.begin(), files.end(),
                               [](const platform::FolderFile& file) { return !IsPictureName(file.name); }),
                files.end());
    std::sort(files.begin(), files.end(), [](const platform::FolderFile& a, const platform::FolderFile& b) {
        return a.modifiedTime != b.modifiedTime ? a.modifiedTime > b.modifiedTime : a.name < b.name;
    });
    std::vector<AlbumPicture> pictures;
    pictures.reserve(files.size());
    for (const platform::FolderFile& file : files)
        pictures.push_back({archive.ImagesFolder() + file.name, {}});
    return pictures;
}

} // namespace nook
