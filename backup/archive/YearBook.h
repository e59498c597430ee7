// A year's book, "<year>\book.html" in the user folder: a cover with the year and its
// counts, every diary of the year by date in chapters by month, each with its photos,
// comments and replies, then the year's posts by month. Its own templates (YearBook.html,
// BookMonth.html, BookDiary.html, BookPosts.html, with Comment.html and Twitter.html
// inside) and the print styles of diary.css make it a book when printed or saved as a
// PDF; every address is relative to the year folder.
//
// A book is written whole from its sections (see BookSections.h): a diary or month the
// renderer rendered in this run takes the section it kept, the others the section the
// book on the disk holds; what neither has is rendered from the records. Unlike the
// pages, a book is kept with line feeds alone, as it is made: each backup that changes
// its year reads it and writes it again whole, and the books hold all of the year.
#pragma once

#include "archive/ArchiveIndex.h"
#include "archive/ArchivePaths.h"

#include <map>
#include <string>
#include <vector>

namespace nook {

class CBookSpool;
class CDiaryOrder;
class CPageRenderer;

// One year's posts by month, each month's in ascending id.
using YearPosts = std::map<int, std::vector<const TwitterIndexEntry*>>;

class CYearBookWriter {
  public:
    // None is owned; `spool` holds the sections `renderer` kept.
    CYearBookWriter(const CArchivePaths& paths, CPageRenderer& renderer, CBookSpool& spool)
        : paths_(paths), renderer_(renderer), spool_(spool) {}

    // Writes the book of `year` with its diaries in `order` and `posts`; the sections of
    // the book on the disk are used only when `reuse`. The year's sections are taken
    // from the spool. A diary without a record is left out. False when the book could not
    // be written.
    bool Write(int year, const CDiaryOrder& order, const YearPosts& posts, bool reuse);

  private:
    const CArchivePaths& paths_;
    CPageRenderer& renderer_;
    CBookSpool& spool_;
};

} // namespace nook
