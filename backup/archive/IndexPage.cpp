#include "archive/IndexPage.h"

#include "archive/DayText.h"
#include "archive/HtmlEscape.h"
#include "archive/PageLinks.h"
#include "archive/ParseDate.h"
#include "archive/TextReplace.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace nook {

namespace {

// Code page 936 words of the page.
const char kYearWord[] = "\xc4\xea";                              // 年
const char kYearBook[] = "\xb4\xf2\xd3\xa1\xb3\xc9\xca\xe9";         // 打印成书
const char kMonthWord[] = "\xd4\xc2";                             // 月
const char kUndated[] = "\xc8\xd5\xc6\xda\xb2\xbb\xc3\xf7";       // 日期不明
const char kMiniDiary[] = "\xc3\xd4\xc4\xe3\xc8\xd5\xbc\xc7";     // 迷你日记
const char kPostsUnit[] = "\xcc\xf5";                             // 条
const char kCommentsUnit[] = "\xcc\xf5\xc1\xf4\xd1\xd4";          // 条留言
const char kEditorsChoice[] = "\xbe\xab\xbb\xaa";                 // 精华
const char kNoTitle[] = "\xce\xde\xb1\xea\xcc\xe2";               // 无标题

struct MonthItems {
    std::vector<const BlogIndexEntry*> diaries;
    size_t posts = 0;
};
using YearItems = std::map<int, MonthItems, std::greater<int>>;
using ArchiveItems = std::map<int, YearItems, std::greater<int>>;

ArchiveItems ItemsByMonth(const BlogIndex& blogs, const TwitterIndex& posts) {
    ArchiveItems items;
    for (const auto& [id, blog] : blogs) {
        const ArchiveMonth month = ArchiveMonthOf(blog.time);
        items[month.year][month.month].diaries.push_back(&blog);
    }
    for (const auto& [id, post] : posts) {
        const ArchiveMonth month = ArchiveMonthOf(post.time);
        ++items[month.year][month.month].posts;
    }
    // Newest first; of two diaries written at the same time the later id.
    for (auto& [year, months] : items)
        for (auto& [month, monthItems] : months)
            std::sort(monthItems.diaries.begin(), monthItems.diaries.end(),
                      [](const BlogIndexEntry* a, const BlogIndexEntry* b) {
                          return a->time != b->time ? a->time > b->time : a->id > b->id;
                      });
    return items;
}

std::string YearName(int year) {
    return year == 0 ? std::string(kUndated) : std::to_string(year) + kYearWord;
}

std::string YearLinks(const ArchiveItems& items) {
    std::string links;
    for (const auto& [year, months] : items)
        links += "<a href=\"#y" + std::to_string(year) + "\">" + YearName(year) + "</a>\n";
    return links;
}

void AppendDiary(std::string& out, const BlogIndexEntry& blog, const CommentCounts& comments) {
    const auto counted = comments.find(blog.id);
    const int32_t said = counted == comments.end() ? 0 : counted->second;
    out += "<li><a href=\"" + BlogPageLink(ArchiveMonthOf(blog.time), blog.id) + "\">";
    out += blog.title.empty() ? std::string(kNoTitle) : EscapeHtml(blog.title);
    out += "</a>";
    if (blog.editorChoice) out += std::string("<span class=\"pick\">") + kEditorsChoice + "</span>";
    out += "<span class=\"day\">" + EscapeHtml(DayText(blog.time)) + "</span>";
    out += std::string("<span class=\"said-count") + (said == 0 ? " none" : "") + "\">" + std::to_string(said) +
           kCommentsUnit + "</span></li>\n";
}

void AppendMonth(std::string& out, int year, int month, const MonthItems& items, const CommentCounts& comments) {
    out += "<div class=\"month\">\n";
    if (month != 0 || year != 0) out += "<h3>" + std::to_string(month) + kMonthWord + "</h3>\n";
    if (items.posts > 0)
        out += "<a class=\"month-posts\" href=\"" + MonthPageLink({year, month}) + "\">" + kMiniDiary + " " +
               std::to_string(items.posts) + kPostsUnit + "</a>\n";
    if (!items.diaries.empty()) {
        out += "<ul class=\"diary-list\">\n";
        for (const BlogIndexEntry* blog : items.diaries)
            AppendDiary(out, *blog, comments);
        out += "</ul>\n";
    }
    out += "</div>\n";
}

std::string Years(const ArchiveItems& items, const CommentCounts& comments) {
    std::string years;
    for (const auto& [year, months] : items) {
        size_t diaries = 0;
        for (const auto& [month, monthItems] : months)
            diaries += monthItems.diaries.size();
        // Every year with diaries or posts has its book beside its months.
        years += "<div class=\"year\" id=\"y" + std::to_string(year) + "\">\n<h2>" + YearName(year) +
                 "<span class=\"count\">" + std::to_string(diaries) + "</span><a class=\"book\" href=\"" +
                 std::to_string(year) + "/book.html\">" + kYearBook + "</a></h2>\n";
        for (const auto& [month, monthItems] : months)
            AppendMonth(years, year, month, monthItems, comments);
        years += "</div>\n";
    }
    return years;
}

std::string SearchYears(const ArchiveItems& items) {
    std::string years;
    for (const auto& [year, months] : items)
        years += (years.empty() ? "" : " ") + std::to_string(year);
    return years;
}

} // namespace

std::string IndexCountText(size_t diaries, size_t comments, size_t posts, size_t photos) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "\xb1\xbe\xb5\xd8\xb9\xb2\xd3\xd0%zu\xc6\xaa\xc8\xd5\xbc\xc7\xa1\xa2%zu\xcc\xf5\xc1\xf4\xd1\xd4"
                  "\xa1\xa2%zu\xcc\xf5\xc3\xd4\xc4\xe3\xc8\xd5\xbc\xc7\xa1\xa2%zu\xd5\xc5\xd5\xd5\xc6\xac",
                  diaries, comments, posts, photos);
    return text;
}

std::string RenderIndexPage(std::string_view pageTemplate, const BlogIndex& blogs, const TwitterIndex& posts,
                            const CommentCounts& comments, size_t photos) {
    const ArchiveItems items = ItemsByMonth(blogs, posts);
    size_t kept = 0;
    for (const auto& [id, blog] : blogs) {
        const auto counted = comments.find(id);
        if (counted != comments.end()) kept += static_cast<size_t>(std::max(counted->second, 0));
    }
    std::string page(pageTemplate);
    ReplaceAll(page, "{Counts}", IndexCountText(blogs.size(), kept, posts.size(), photos));
    ReplaceAll(page, "{SearchYears}", SearchYears(items));
    ReplaceAll(page, "{YearLinks}", YearLinks(items));
    // Last: titles may hold the text of a placeholder.
    ReplaceAll(page, "{Years}", Years(items, comments));
    return page;
}

} // namespace nook
