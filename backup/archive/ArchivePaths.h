// Where one user's archive lies: a folder named after the user in the program folder,
// with the index files, a year\month folder tree of pages, the photo folder and the
// diary records. The page templates are installed in the program folder's "Templates".
#pragma once

#include "archive/ParseDate.h"

#include <cstdint>
#include <string>

namespace nook {

class CArchivePaths {
  public:
    // `programDir` with its trailing backslash; `userName` must be a usable file name.
    CArchivePaths(const std::string& programDir, const std::string& userName);

    const std::string& UserFolder() const { return userFolder_; } // trailing backslash
    std::string BlogListPath() const { return userFolder_ + "BlogList.xml"; }
    std::string TwitterListPath() const { return userFolder_ + "TwitterList.xml"; }
    // What the archive keeps beside the pages: each diary's record with all its
    // comments, the photo list and the archive's own state.
    std::string DiaryRecordPath(int32_t blogId) const;
    std::string RecordsFolder() const { return userFolder_ + "Records\\"; }
    std::string PhotoListPath() const { return userFolder_ + "PhotoList.xml"; }
    std::string ArchiveStatePath() const { return userFolder_ + "Archive.xml"; }
    std::string BlogPagePath(ArchiveMonth month, int32_t blogId) const;
    // Where the page an earlier version rendered is kept when its diary is rendered anew.
    std::string EarlierBlogPagePath(ArchiveMonth month, int32_t blogId) const;
    std::string MonthPagePath(ArchiveMonth month) const;
    // The page that lists the whole diary and searches it, and the search data of one
    // year beside it ("search-<year>.js"); the comments each diary keeps, counted for it.
    std::string IndexPagePath() const { return userFolder_ + "index.html"; }
    std::string SearchDataPath(int year) const;
    // The year's book to print, in the year's folder.
    std::string YearBookPath(int year) const;
    std::string CommentCountsPath() const { return userFolder_ + "CommentCounts.xml"; }
    // The photo folder, with a trailing backslash.
    std::string ImagesFolder() const { return userFolder_ + "Images\\"; }
    // A template file such as "BlogView.html".
    std::string TemplatePath(const char* name) const { return templates_ + name; }

  private:
    std::string MonthFolder(ArchiveMonth month) const;

    std::string userFolder_;
    std::string templates_;
};

} // namespace nook
