// The year books' sections of the pages one backup renders, kept until its books are
// written. A full backup renders every diary, and its sections are as big as the books,
// so they wait in a scratch file of the user folder instead of in memory; the file is
// made with the first section and removed when the spool goes. A section that could not
// be kept is rendered again from its record by the book writer.
#pragma once

#include "archive/BookSections.h"
#include "archive/ParseDate.h"
#include "util/FileHandle.h"

#include <cstdint>
#include <map>
#include <string>

namespace nook {

class CBookSpool {
  public:
    explicit CBookSpool(std::string path) : path_(std::move(path)) {}
    ~CBookSpool() { Discard(); }
    CBookSpool(const CBookSpool&) = delete;
    CBookSpool& operator=(const CBookSpool&) = delete;

    // A later section of the same diary or month replaces the earlier one.
    void PutDiary(int32_t blogId, const BookSection& section) { Put(diaries_[blogId], section); }
    void PutPosts(ArchiveMonth month, const BookSection& section) { Put(posts_[month], section); }
    // Moves the section out; false when none is kept.
    bool TakeDiary(int32_t blogId, BookSection& section);
    bool TakePosts(ArchiveMonth month, BookSection& section);
    // Forgets every section and removes the file, before the backup's writes are put on
    // the disk: the scratch file never needs to reach it.
    void Discard();

  private:
    struct Kept {
        long offset = -1; // -1: not kept
        size_t length = 0;
        int items = 0;
        int photos = 0;
    };
    void Put(Kept& kept, const BookSection& section);
    bool Read(const Kept& kept, BookSection& section);

    std::string path_;
    CFileHandle file_;
    long end_ = 0;
    bool failed_ = false; // once a write failed, nothing more is kept
    std::map<int32_t, Kept> diaries_;
    std::map<ArchiveMonth, Kept> posts_;
};

} // namespace nook
