#include "album/PhotoListPictures.h"

#include "album/LocalPath.h"
#include "archive/IndexFiles.h"
#include "archive/ParseDate.h"
#include "archive/PhotoList.h"

#include <algorithm>
#include <tuple>

namespace nook {

namespace {

// When a diary was written, as far as the index tells: its day, then its id, since
// the service numbers diaries in the order they are written.
struct DiaryAge {
    const BlogIndexEntry* diary = nullptr; // in the caller's index; null: no known diary
    int year = 0;
    int month = 0;
    int day = 0;

    auto Key() const { return std::make_tuple(diary != nullptr, year, month, day, diary ? diary->id : 0); }
    bool NewerThan(const DiaryAge& other) const { return Key() > other.Key(); }
};

DiaryAge AgeOf(const BlogIndexEntry& diary) {
    DiaryAge age;
    age.diary = &diary;
    ParseDate(diary.time, age.year, age.month, age.day);
    return age;
}

// The earliest known diary that shows the photo.
DiaryAge FirstDiaryOf(const PhotoEntry& photo, const BlogIndex& diaries) {
    DiaryAge first;
    for (int32_t id : photo.blogs) {
        auto found = diaries.find(id);
        if (found == diaries.end()) continue;
        const DiaryAge age = AgeOf(found->second);
        if (!first.diary || first.NewerThan(age)) first = age;
    }
    return first;
}

// "Title  2008年5月3日" in code page 936; the parts the index lacks are left out.
std::string CaptionOf(const DiaryAge& age) {
    if (!age.diary) return {};
    std::string caption = age.diary->title;
    if (age.year > 0) {
        if (!caption.empty()) caption += "  ";
        caption += std::to_string(age.year) + "\xC4\xEA" + std::to_string(age.month) + "\xD4\xC2" +
                   std::to_string(age.day) + "\xC8\xD5";
    }
    return caption;
}

struct DatedPicture {
    AlbumPicture picture;
    DiaryAge age;
};

} // namespace

std::vector<AlbumPicture> PhotoListPictures(const CArchivePaths& archive) {
    CPhotoList photos;
    photos.Load(archive.PhotoListPath());
    BlogIndex diaries;
    LoadBlogIndex(archive.BlogListPath(), diaries);

    std::vector<DatedPicture> dated;
    for (const PhotoEntry& photo : photos.Entries()) {
        // The list is only ever written by NookBackup, but a file outside the user
        // folder is none of the album's business whoever wrote it.
        if (photo.state != PhotoState::Stored || !StaysInsideFolder(photo.file)) continue;
        const std::string path = archive.UserFolder() + photo.file;
        if (!platform::FileExists(path)) continue;
        const DiaryAge age = FirstDiaryOf(photo, diaries);
        dated.push_back({{path, CaptionOf(age)}, age});
    }
    std::stable_sort(dated.begin(), dated.end(),
                     [](const DatedPicture& a, const DatedPicture& b) { return a.age.NewerThan(b.age); });

    std::vector<AlbumPicture> pictures;
    pictures.reserve(dated.size());
    for (DatedPicture& photo : dated)
        pictures.push_back(std::move(photo.picture));
    return pictures;
}

} // namespace nook
