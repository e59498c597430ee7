#include "archive/PageRenderer.h"

#include "archive/CodeTables.h"
#include "archive/EarlierPages.h"
#include "archive/HtmlEscape.h"
#include "archive/HtmlSanitiser.h"
#include "archive/ImageLocaliser.h"
#include "archive/Log.h"
#include "archive/PageFile.h"
#include "archive/ParseDate.h"
#include "archive/TextReplace.h"

#include <map>

namespace nook {

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
    if (added) ReadFile(paths_.TemplatePath(name), cached->second);
    return cached->second;
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
        ReplaceAll(item, "{ReplyContent}",
                   comment->replyContent.empty()
                       ? std::string(kNoReplyText)
                       : OwnerReplySnippet(comment->replyTime, SafeHtml(comment->replyContent, comment->blogId)));
        list += item;
    }
    return list;
}

bool CPageRenderer::RenderBlogPage(const BlogEntry& blog, const std::vector<const CommentEntry*>& comments) {
    const std::string commentList = RenderCommentList(comments);
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

    return WritePageFile(paths_.BlogPagePath(month, blog.id), page);
}

bool CPageRenderer::KeepEarlierPage(ArchiveMonth month, int32_t blogId, std::vector<std::string>& photoFiles) {
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

bool CPageRenderer::RenderMonths(const TwitterIndex& twitters, const std::set<ArchiveMonth>* only) {
    const std::string& pattern = ReadTemplate("Twitter.html");
    std::map<ArchiveMonth, std::string> months;
    for (const auto& [id, twitter] : twitters) {
        const ArchiveMonth month = ArchiveMonthOf(twitter.time);
        if (only && !only->count(month)) continue;
        std::string item = pattern;
        ReplaceAll(item, "{TwitterTime}", EscapeHtml(twitter.time));
        ReplaceAll(item, "{TwitterContent}", SafeHtml(twitter.content, kShownByPost));
        months[month] += item;
    }
    bool allWritten = true;
    for (const auto& [month, list] : months) {
        std::string page = ReadTemplate("TwitterList.html");
        ReplaceAll(page, "{TwitterList}", list);
        allWritten = WritePageFile(paths_.MonthPagePath(month), page) && allWritten;
    }
    return allWritten;
}

} // namespace nook
