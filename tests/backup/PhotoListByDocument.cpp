#include "tests/backup/PhotoListByDocument.h"

#include "tests/backup/IndexFilesByDocument.h"

namespace nook::test {

namespace {

std::string StateText(PhotoState state) {
    return state == PhotoState::Stored ? "stored" : state == PhotoState::Gone ? "gone" : "pending";
}

// The diary ids, one blank between two.
std::string DiariesText(const std::vector<int32_t>& blogs) {
    std::string text;
    for (size_t i = 0; i < blogs.size(); ++i)
        text.append(i ? " " : "").append(std::to_string(blogs[i]));
    return text;
}

} // namespace

bool SavePhotoListByDocument(const std::string& path, const CPhotoList& list) {
    std::vector<ReferenceElement> photos;
    for (const PhotoEntry& entry : list.Entries())
        photos.push_back({"Photo",
                          {{"url", entry.url},
                           {"file", entry.file},
                           {"blogs", DiariesText(entry.blogs)},
                           {"state", StateText(entry.state)},
                           {"failedruns", std::to_string(entry.failedRuns)},
                           {"error", entry.lastError},
                           {"missingdays", std::to_string(entry.missingDays)},
                           {"missingday", entry.lastMissingDay}}});
    return SaveByDocument(path, {"PhotoList", {}}, photos);
}

} // namespace nook::test
