#include "archive/YearBook.h"

#include "archive/BookSections.h"
#include "archive/BookSpool.h"
#include "archive/DiaryRecord.h"
#include "archive/PageNeighbours.h"
#include "archive/PageRenderer.h"
#include "archive/TemplateFill.h"
#include "platform/Files.h"
#include "util/DirectoryPath.h"

namespace nook {

namespace {

struct BookCounts {
    int diaries = 0;
    int comments = 0;
    int posts = 0;
    int photos = 0;
};

std::string Chapter(const std::string& pattern, int month, const std::string& content) {
    return FillTemplate(pattern, {{"{BookMonth}", std::to_string(month)}, {"{BookMonthContent}", content}});
}

} // namespace

bool CYearBookWriter::Write(int year, const CDiaryOrder& order, const YearPosts& posts, bool reuse) {
    std::string earlierBook;
    BookSections earlier;
    if (reuse && platform::ReadFileBytes(paths_.YearBookPath(year), earlierBook))
        earlier = ReadBookSections(earlierBook);
    BookCounts counts;

    std::string diaries, chapter;
    diaries.reserve(earlierBook.size() + earlierBook.size() / 8);
    int chapterMonth = -1;
    const std::string& monthPattern = renderer_.ReadTemplate("BookMonth.html");
    for (const DiaryLink* diary : order.DiariesOf(year)) {
        // A diary rendered in this run may have changed: never the book's old section.
        const bool rendered = renderer_.RenderedDiaries().count(diary->id) != 0;
        BookSection fresh;
        BookSectionView section;
        const bool found =
            rendered ? spool_.TakeDiary(diary->id, fresh) : TakeOut(earlier.diaries, diary->id, section);
        if (!found) {
            DiaryRecord record;
            if (!LoadDiaryRecord(paths_.DiaryRecordPath(diary->id), record) || !record.hasBlog) continue;
            fresh = renderer_.RenderBookDiary(record);
        }
        if (rendered || !found) section = fresh.View();
        if (diary->month.month != chapterMonth && !chapter.empty()) {
            diaries += Chapter(monthPattern, chapterMonth, chapter);
            chapter.clear();
        }
        chapterMonth = diary->month.month;
        AppendDiarySection(chapter, diary->id, section);
        ++counts.diaries;
        counts.comments += section.items;
        counts.photos += section.photos;
    }
    if (!chapter.empty()) diaries += Chapter(monthPattern, chapterMonth, chapter);

    std::string months;
    const std::string& postsPattern = renderer_.ReadTemplate("BookPosts.html");
    for (const auto& [month, monthPosts] : posts) {
        const ArchiveMonth when{year, month};
        const bool rendered = renderer_.MonthsAskedFor().count(when) != 0;
        BookSection fresh;
        BookSectionView section;
        const bool found = rendered ? spool_.TakePosts(when, fresh) : TakeOut(earlier.posts, month, section);
        if (!found) fresh = renderer_.RenderBookPosts(monthPosts);
        if (rendered || !found) section = fresh.View();
        std::string marked;
        AppendPostsSection(marked, month, section);
        months += Chapter(postsPattern, month, marked);
        counts.posts += static_cast<int>(monthPosts.size());
        counts.photos += section.photos;
    }

    const std::string book = FillTemplate(renderer_.ReadTemplate("YearBook.html"),
                                          {{"{BookYear}", std::to_string(year)},
                                           {"{DiaryCount}", std::to_string(counts.diaries)},
                                           {"{CommentCount}", std::to_string(counts.comments)},
                                           {"{PostCount}", std::to_string(counts.posts)},
                                           {"{PhotoCount}", std::to_string(counts.photos)},
                                           {"{BookDiaries}", diaries},
                                           {"{BookPosts}", months}});
    if (renderer_.MissedTemplate()) return false;
    const std::string path = paths_.YearBookPath(year);
    MakeFileDirectory(path);
    return platform::WriteFileAtomically(path, book, nullptr, platform::Durability::Deferred);
}

} // namespace nook
