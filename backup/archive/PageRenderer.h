// Turns backed-up records into the archive's static HTML pages by text substitution
// into the templates installed beside the program: one page per diary, with its
// comments, and one page per month of mini-diary posts.
//
// Placeholders are replaced in a fixed order, every occurrence, so a value holding a
// later placeholder is filled again. Plain-text values (titles, names, times, counters)
// are HTML-escaped; the service's HTML fields (diary, comment, reply and post content)
// go in as HTML once sanitised, their pictures localised like the diary's own photos.
// Each template is read once, when a renderer first needs it: a renderer lives for one
// backup or one page upgrade, and an edited template shows from the next one.
//
// Diary pages link the diaries before and after them in the order they are given (none
// given: only the index), month pages the months with posts before and after them. The
// renderer notes what it rendered, and can keep, for the year books, each diary's and
// month's book section made from the same sanitised text as its page.
#pragma once

#include "archive/ArchiveIndex.h"
#include "archive/ArchivePaths.h"
#include "archive/BookSections.h"
#include "archive/DiaryRecord.h"
#include "service/BackupRecords.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace nook {

class CBookSpool;
class CDiaryOrder;
class CImageLocaliser;
class ILog;

class CPageRenderer {
  public:
    // None of the three is owned; `log` may be null.
    CPageRenderer(const CArchivePaths& paths, CImageLocaliser& localiser, ILog* log);

    // The comments of one diary, in the order given, each through Comment.html.
    std::string RenderCommentList(const std::vector<const CommentEntry*>& comments);

    // Writes the diary's page into its year\month folder, its photos rewritten to their
    // local files in the photo list. False when the page could not be written.
    bool RenderBlogPage(const BlogEntry& blog, const std::vector<const CommentEntry*>& comments);

    // For the one full backup of an archive whose pages predate the records: before a
    // diary's old page is replaced it is kept beside it, once, as "<id>.earlier.html"
    // (photos named relative to it), since it may show comments the service no longer
    // has; and a photo it showed is taken from there instead of fetched again.
    void KeepEarlierPages(bool keep) { keepEarlierPages_ = keep; }

    // Writes every month page from the whole mini-diary index, oldest id first on each
    // page. False when a page could not be written.
    bool RenderMonthPages(const TwitterIndex& twitters);
    // Writes the pages of `months` only, each as the whole index renders it; a month
    // without posts in the index keeps whatever page it has.
    bool RenderMonthPages(const TwitterIndex& twitters, const std::set<ArchiveMonth>& months);

    // Diary pages link their neighbours in `order` (not owned; null: the index only).
    void LinkDiaries(const CDiaryOrder* order) { order_ = order; }

    // While set, every diary page and month page rendered also puts its book section in
    // `spool` (not owned; null: none kept).
    void KeepBookSections(CBookSpool* spool) { bookSpool_ = spool; }
    // The diaries rendered, and the months whose pages were asked for (with posts or not).
    const std::set<int32_t>& RenderedDiaries() const { return renderedDiaries_; }
    const std::set<ArchiveMonth>& MonthsAskedFor() const { return monthsAskedFor_; }

    // From a diary's kept record, which holds the diary: its page, or only its section
    // of the year book.
    bool RenderBlogPage(const DiaryRecord& record);
    BookSection RenderBookDiary(const DiaryRecord& record);
    // A month's section of its year book.
    BookSection RenderBookPosts(const std::vector<const TwitterIndexEntry*>& posts);

    // The template's text; a missing one is logged once and renders as empty.
    const std::string& ReadTemplate(const char* name);
    // A template was missing: no page is written from then on, and the backup fails
    // rather than replace pages with empty ones.
    bool MissedTemplate() const { return missedTemplate_; }

  private:
    // Appends the file to `text`, CR LF read as LF. When it cannot be opened, logs so
    // and returns false with `text` unchanged.
    bool ReadFile(const std::string& path, std::string& text);
    // False, writing nothing, once a template was missing.
    bool WritePage(const std::string& path, const std::string& page);
    // `only` null: every month.
    bool RenderMonths(const TwitterIndex& twitters, const std::set<ArchiveMonth>* only);
    std::string RenderPost(const TwitterIndexEntry& post);
    std::string DiaryNavigation(int32_t blogId);
    std::string MonthNavigation(const std::set<ArchiveMonth>& months, ArchiveMonth month);
    std::string Navigation(const std::string& previous, const std::string& next);
    // The book section of a diary from its sanitised content and rendered comments
    // (photos named relative to the page).
    BookSection BookDiarySection(const BlogEntry& blog, std::string content, std::string commentList,
                                 size_t comments);
    // Sanitised, with its pictures pointing at local files; `blogId` is the diary that
    // shows them (kShownByPost for a mini-diary post).
    std::string SafeHtml(const std::string& html, int32_t blogId);
    // Keeps the earlier page (when there is one and it is not kept yet) and gives the
    // photo files it showed that are still in place, by position; false when it could
    // not be kept.
    bool KeepEarlierPage(ArchiveMonth month, int32_t blogId, std::vector<std::string>& photoFiles);

    const CArchivePaths& paths_;
    CImageLocaliser& localiser_;
    ILog* log_;
    bool keepEarlierPages_ = false;
    std::map<std::string, std::string> templates_; // by file name
    bool missedTemplate_ = false;
    const CDiaryOrder* order_ = nullptr;
    CBookSpool* bookSpool_ = nullptr;
    std::set<int32_t> renderedDiaries_;
    std::set<ArchiveMonth> monthsAskedFor_;
};

// The fixed snippets of a diary page.
extern const char kEditorChoiceSnippet[]; // 119 bytes
extern const char kNoReplyText[];         // a single blank
// The owner's reply: reply time (escaped), then reply content (HTML).
std::string OwnerReplySnippet(const std::string& replyTime, const std::string& replyContent);

} // namespace nook
