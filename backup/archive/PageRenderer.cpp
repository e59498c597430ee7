#include "archive/PageRenderer.h"

#include "archive/BookPhotos.h"
#include "archive/BookSpool.h"
#include "archive/CodeTables.h"
#include "archive/EarlierPages.h"
#include "archive/HtmlEscape.h"
#include "archive/HtmlSanitiser.h"
#include "archive/ImageLocaliser.h"
#include "archive/Log.h"
#include "archive/PageFile.h"
#include "archive/PageLinks.h"
#include "archive/PageNeighbours.h"
#include "archive/ParseDate.h"
#include "archive/TemplateFill.h"
#include "archive/TextReplace.h"

#include <map>

namespace nook {

namespace {

// Pages lie two folders below the user folder.
constexpr char kUserFolderFromPage[] = "../../";

const char kPreviousDiary[] = "\xc9\xcf\xd2\xbb\xc6\xaa"; // 上一篇
const char kNextDiary[] = "\xcf\xc2\xd2\xbb\xc6\xaa";     // 下一篇
const char kPreviousMonth[] = "\xc9\xcf\xd2\xbb\xd2\xb3"; // 上一页
const char kNextMonth[] = "\xcf\xc2\xd2\xbb\xd2\xb3";     // 下一页
const char kYear[] = "\xc4\xea";                          // 年
const char kMonth[] = "\xd4\xc2";                         // 月

// `rel` is "prev" or "next"; `title` is plain text.
std::string NavigationLink(const char* rel, const std::string& address, const char* label,
                           const std::string& title) {
    return std::string("<a class=\"nav-") + rel + "\" href=\"" + kUserFolderFromPage + address + "\" rel=\"" +
           rel + "\"><span class=\"nav-label\">" + label + "</span><span class=\"nav-title\">" +
           EscapeHtml(title) + "</span></a>";
}

std::string MonthName(ArchiveMonth month) {
    return std::to_string(month.year) + kYear + std::to_string(month.month) + kMonth;
}

std::vector<const CommentEntry*> CommentsOf(const DiaryRecord& record) {
    std::vector<const CommentEntry*> comments;
    comments.reserve(record.comments.size());
    for (const CommentEntry& comment : record.comments)
        comments.push_back(&comment);
    return comments;
}

// `list`: the month's posts, photos named relative to the page.
BookSection BookPostsSection(std::string list, size_t posts) {
    BookSection section;
    RebasePhotoAddresses(list);
    section.html = std::move(list);
    section.items = static_cast<int>(posts);
    section.photos = CountBookPhotos(section.html);
    return section;
}

} // namespace

const char kEditorChoiceSnippet[] = "<div style=\"width: 115px; float: right;\"><img "
                                    "src=\"..\\..\\..\\Templates/images/epush.gif\" "
                                    "alt="
                                    "\"\xb1\xe0\xbc\xad\xcd\xc6\xbc\xf6\xb5\xc4\xbe\xab\xbb\xaa\xd7\xf7\xc6"
                                    "\xb7\"></div>"; // 编辑推荐的精华作品
const char kNoReplyText[] = " ";

std::string OwnerReplySnippet(const std::string& replyTime, const std::string& replyContent) {
    // "<div class="said mine"><h4>小家主人的回复&nbsp;&nbsp;<span class="time">...</span></h4>"
    return "<div class=\"said mine\"><h4>\xd0\xa1\xbc\xd2\xd6\xf7\xc8\xcb\xb5\xc4\xbb\xd8\xb8\xb4"
           "&nbsp;&nbsp;<span class=\"time\">" +
           EscapeHtml(replyTime) + "</span></h4>\n<p>" + replyContent + "</p></div>";
}

CPageRenderer::CPageRenderer(const CArchivePaths& paths, CImageLocaliser& localiser, ILog* log)
    : paths_(paths), localiser_(localiser), log_(log) {}

bool CPageRenderer::ReadFile(const std::string& path, std::string& text) {
    if (ReadTextFile(path, text)) return true;
    // The line keeps the name the main dialog's log has always used: it is a stored
    // format that people and their tools search the log for.
    if (log_) log_->WriteLog("CArchivistDlg::ReadFile - Failed to open '" + path + "'!");
    return false;
}

const std::string& CPageRenderer::ReadTemplate(const char* name) {
    auto [cached, added] = templates_.try_emplace(name);
    if (added && !ReadFile(paths_.TemplatePath(name), cached->second)) missedTemplate_ = true;
    return cached->second;
}

bool CPageRenderer::WritePage(const std::string& path, const std::string& page) {
    return !missedTemplate_ && WritePageFile(path, page);
}

std::string CPageRenderer::SafeHtml(const std::string& html, int32_t blogId) {
    std::string safe = SanitiseHtml(html);
    localiser_.LocaliseImages(safe, blogId);
    return safe;
}

std::string CPageRenderer::RenderCommentList(const std::vector<const CommentEntry*>& comments) {
    const std::string& pattern = ReadTemplate("Comment.html");
    std::string list;
    for (const CommentEntry* comment : comments) {
        std::string item = pattern;
        ReplaceAll(item, "{GuestName}", EscapeHtml(comment->guestName));
        ReplaceAll(item, "{CommentDateTime}", EscapeHtml(comment->time));
        ReplaceAll(item, "{CommentContent}", SafeHtml(comment->content, comment->blogId));
        ReplaceAll(
            item, "{ReplyContent}",
            comment->replyContent.empty()
                ? std::string(kNoReplyText)
                : OwnerReplySnippet(comment->replyTime, SafeHtml(comment->replyContent, comment->blogId)));
        list += item;
    }
    return list;
}

bool CPageRenderer::RenderBlogPage(const BlogEntry& blog, const std::vector<const CommentEntry*>& comments) {
    std::string commentList = RenderCommentList(comments);
    std::string page = ReadTemplate("BlogView.html");
    const CodeName character = CharacterOf(blog.character);
    const CodeName mood = MoodOf(blog.mood);
    const CodeName weather = WeatherOf(blog.weather);
    const ArchiveMonth month = ArchiveMonthOf(blog.createTime);
    std::vector<std::string> earlierPhotos;
    if (keepEarlierPages_ && !KeepEarlierPage(month, blog.id, earlierPhotos)) return false;
    std::string content = SanitiseHtml(blog.content);
    localiser_.LocaliseImages(content, blog.id, earlierPhotos);

    ReplaceAll(page, "{BlogClass}", BlogClassName(blog.blogClass));
    ReplaceAll(page, "{CharacterIcon}", std::to_string(character.code));
    ReplaceAll(page, "{CharacterName}", character.name);
    ReplaceAll(page, "{MoodIcon}", std::to_string(mood.code));
    ReplaceAll(page, "{MoodName}", mood.name);
    ReplaceAll(page, "{WeatherIcon}", std::to_string(weather.code));
    ReplaceAll(page, "{WeatherName}", weather.name);
    ReplaceAll(page, "{BlogTitle}", EscapeHtml(blog.title));
    ReplaceAll(page, "{BlogContent}", content);
    ReplaceAll(page, "{BlogTime}", EscapeHtml(blog.createTime));
    ReplaceAll(page, "{LastUpdateTime}", EscapeHtml(blog.updateTime));
    ReplaceAll(page, "{CommentCount}", std::to_string(blog.commentCount));
    ReplaceAll(page, "{ReadCount}", std::to_string(blog.readCount));
    ReplaceAll(page, "{IsMemory}", blog.isMemory ? "1" : "0");
    ReplaceAll(page, "{IsEditorChoice}", blog.isEditorChoice ? kEditorChoiceSnippet : "");
    ReplaceAll(page, "{CommentList}", commentList);
    ReplaceAll(page, "{Navigation}", DiaryNavigation(blog.id));

    renderedDiaries_.insert(blog.id);
    if (bookSpool_)
        bookSpool_->PutDiary(
            blog.id, BookDiarySection(blog, std::move(content), std::move(commentList), comments.size()));
    return WritePage(paths_.BlogPagePath(month, blog.id), page);
}

bool CPageRenderer::RenderBlogPage(const DiaryRecord& record) {
    return RenderBlogPage(record.blog, CommentsOf(record));
}

BookSection CPageRenderer::RenderBookDiary(const DiaryRecord& record) {
    std::string commentList = RenderCommentList(CommentsOf(record));
    return BookDiarySection(record.blog, SafeHtml(record.blog.content, record.blog.id),
                            std::move(commentList), record.comments.size());
}

BookSection CPageRenderer::BookDiarySection(const BlogEntry& blog, std::string content,
                                            std::string commentList, size_t comments) {
    RebasePhotoAddresses(content);
    RebasePhotoAddresses(commentList);
    const std::string count = std::to_string(comments);
    BookSection section;
    section.html =
        FillTemplate(ReadTemplate("BookDiary.html"), {{"{BlogTitle}", EscapeHtml(blog.title)},
                                                      {"{BlogTime}", EscapeHtml(blog.createTime)},
                                                      {"{BlogClass}", BlogClassName(blog.blogClass)},
                                                      {"{CharacterName}", CharacterOf(blog.character).name},
                                                      {"{MoodName}", MoodOf(blog.mood).name},
                                                      {"{WeatherName}", WeatherOf(blog.weather).name},
                                                      {"{BlogContent}", content},
                                                      {"{CommentCount}", count},
                                                      {"{CommentList}", commentList}});
    section.items = static_cast<int>(comments);
    section.photos = CountBookPhotos(section.html);
    return section;
}

std::string CPageRenderer::DiaryNavigation(int32_t blogId) {
    const DiaryNeighbours neighbours = order_ ? order_->Neighbours(blogId) : DiaryNeighbours{};
    const DiaryLink* previous = neighbours.previous;
    const DiaryLink* next = neighbours.next;
    return Navigation(
        previous ? NavigationLink("prev", BlogPageLink(previous->month, previous->id), kPreviousDiary,
                                  previous->title)
                 : std::string(),
        next ? NavigationLink("next", BlogPageLink(next->month, next->id), kNextDiary, next->title)
             : std::string());
}

std::string CPageRenderer::MonthNavigation(const std::set<ArchiveMonth>& months, ArchiveMonth month) {
    const MonthNeighbours neighbours = NeighboursOf(months, month);
    const ArchiveMonth* previous = neighbours.previous;
    const ArchiveMonth* next = neighbours.next;
    return Navigation(
        previous ? NavigationLink("prev", MonthPageLink(*previous), kPreviousMonth, MonthName(*previous))
                 : std::string(),
        next ? NavigationLink("next", MonthPageLink(*next), kNextMonth, MonthName(*next)) : std::string());
}

std::string CPageRenderer::Navigation(const std::string& previous, const std::string& next) {
    return FillTemplate(ReadTemplate("Navigation.html"),
                        {{"{PreviousLink}", previous}, {"{NextLink}", next}});
}

bool CPageRenderer::KeepEarlierPage(ArchiveMonth month, int32_t blogId,
                                    std::vector<std::string>& photoFiles) {
    const std::string keptPath = paths_.EarlierBlogPagePath(month, blogId);
    std::string page;
    // A full backup tried again finds the page it replaced the first time already kept.
    if (!ReadTextFile(keptPath, page)) {
        if (!ReadTextFile(paths_.BlogPagePath(month, blogId), page)) return true;
        RelativisePhotoPaths(page);
        if (!WritePageFile(keptPath, page)) return false;
    }
    photoFiles = EarlierPhotoFiles(page);
    // Only a photo that is really there is reused; the others are fetched again.
    for (std::string& file : photoFiles)
        if (!IsPhotoFileInPlace(paths_.ImagesFolder() + file)) file.clear();
    return true;
}

bool CPageRenderer::RenderMonthPages(const TwitterIndex& twitters) {
    return RenderMonths(twitters, nullptr);
}

bool CPageRenderer::RenderMonthPages(const TwitterIndex& twitters, const std::set<ArchiveMonth>& months) {
    return RenderMonths(twitters, &months);
}

std::string CPageRenderer::RenderPost(const TwitterIndexEntry& post) {
    std::string item = ReadTemplate("Twitter.html");
    ReplaceAll(item, "{TwitterTime}", EscapeHtml(post.time));
    ReplaceAll(item, "{TwitterContent}", SafeHtml(post.content, kShownByPost));
    return item;
}

bool CPageRenderer::RenderMonths(const TwitterIndex& twitters, const std::set<ArchiveMonth>* only) {
    std::set<ArchiveMonth> withPosts;
    std::map<ArchiveMonth, std::pair<std::string, int>> months; // the posts, how many
    for (const auto& [id, twitter] : twitters) {
        const ArchiveMonth month = ArchiveMonthOf(twitter.time);
        withPosts.insert(month);
        if (only && !only->count(month)) continue;
        auto& [list, count] = months[month];
        list += RenderPost(twitter);
        ++count;
    }
    const std::set<ArchiveMonth>& asked = only ? *only : withPosts;
    monthsAskedFor_.insert(asked.begin(), asked.end());
    bool allWritten = true;
    for (auto& [month, posts] : months) {
        std::string page = ReadTemplate("TwitterList.html");
        ReplaceAll(page, "{TwitterList}", posts.first);
        ReplaceAll(page, "{Navigation}", MonthNavigation(withPosts, month));
        allWritten = WritePage(paths_.MonthPagePath(month), page) && allWritten;
        if (bookSpool_) bookSpool_->PutPosts(month, BookPostsSection(std::move(posts.first), posts.second));
    }
    return allWritten;
}

BookSection CPageRenderer::RenderBookPosts(const std::vector<const TwitterIndexEntry*>& posts) {
    std::string list;
    for (const TwitterIndexEntry* post : posts)
        list += RenderPost(*post);
    return BookPostsSection(std::move(list), posts.size());
}

} // namespace nook
