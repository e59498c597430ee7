// The index page of a user folder ("index.html"): the whole diary by year and month,
// newest first, each diary with its title, day and the comments the archive keeps,
// linking its page; each month's mini-diary page; the archive's counts at the top; and
// the search box, whose script (Templates\search.js) loads the search data of the years
// the page names. Made by substitution into the template "Index.html", like the other
// pages; titles and times are escaped, every link is relative to the user folder.
#pragma once

#include "archive/ArchiveIndex.h"
#include "archive/CommentCounts.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace nook {

// "本地共有%d篇日记、%d条留言、%d条迷你日记、%d张照片".
std::string IndexCountText(size_t diaries, size_t comments, size_t posts, size_t photos);

// The page from `pageTemplate`: "{Counts}", "{SearchYears}" (the years with search data,
// newest first, blank-separated), "{YearLinks}" and "{Years}" filled.
std::string RenderIndexPage(std::string_view pageTemplate, const BlogIndex& blogs, const TwitterIndex& posts,
                            const CommentCounts& comments, size_t photos);

} // namespace nook
