#include "archive/BookSpool.h"

#include "platform/Files.h"

#include <climits>

namespace nook {

void CBookSpool::Discard() {
    diaries_.clear();
    posts_.clear();
    end_ = 0;
    failed_ = false;
    if (!file_) return;
    file_.Reset();
    platform::RemoveFile(path_);
}

void CBookSpool::Put(Kept& kept, const BookSection& section) {
    kept = Kept{};
    if (failed_) return;
    if (!file_) file_.Reset(platform::OpenFile(path_, "w+b"));
    const size_t length = section.html.size();
    failed_ = !file_ || length > static_cast<size_t>(LONG_MAX - end_) ||
              std::fseek(file_.Get(), end_, SEEK_SET) != 0 ||
              std::fwrite(section.html.data(), 1, length, file_.Get()) != length;
    if (failed_) return;
    kept = {end_, length, section.items, section.photos};
    end_ += static_cast<long>(length);
}

bool CBookSpool::TakeDiary(int32_t blogId, BookSection& section) {
    Kept kept;
    return TakeOut(diaries_, blogId, kept) && Read(kept, section);
}

bool CBookSpool::TakePosts(ArchiveMonth month, BookSection& section) {
    Kept kept;
    return TakeOut(posts_, month, kept) && Read(kept, section);
}

bool CBookSpool::Read(const Kept& kept, BookSection& section) {
    if (kept.offset < 0 || std::fseek(file_.Get(), kept.offset, SEEK_SET) != 0) return false;
    section.html.resize(kept.length);
    if (std::fread(section.html.data(), 1, kept.length, file_.Get()) != kept.length) return false;
    section.items = kept.items;
    section.photos = kept.photos;
    return true;
}

} // namespace nook
