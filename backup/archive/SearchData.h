// The search data of one year: a script file beside the index page ("search-<year>.js")
// that hands the year's diaries and mini-diary posts, as plain text, to the index page's
// search script in one call of the global NookSearchYear(year, records). The page loads
// it with a plain script element, so it works from disk in any browser; it is ASCII (see
// ScriptString.h), so no code page matters.
//
// One record a line, each starting with its kind and id: a backup that changes a few
// items of a year replaces their lines and keeps the others as they stand, instead of
// reading every diary of the year again.
#pragma once

#include "archive/ArchiveIndex.h"
#include "service/BackupRecords.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nook {

inline constexpr char kDiarySearchRecord = 'd';
inline constexpr char kPostSearchRecord = 'p';

// Kind and id; diaries before posts, each by ascending id.
using SearchKey = std::pair<char, int32_t>;
// Views of the lines, into the file read or the lines made anew.
using SearchLines = std::map<SearchKey, std::string_view>;

// Appends a diary's record: its date, page, title, text and the text of its comments and
// the owner's replies, as a script object on one line (no line end).
void AppendDiarySearchLine(std::string& line, const BlogEntry& blog, const std::vector<CommentEntry>& comments);
// Appends a post's record: its date, its month's page and its text.
void AppendPostSearchLine(std::string& line, int32_t id, const TwitterIndexEntry& post);

// The whole file of `year` into `text` (replacing what it held; its room is reused).
void SearchDataText(int year, const SearchLines& lines, std::string& text);
// The lines of a file SearchDataText made for `year`, as views into `text`; false,
// `lines` emptied, when the text is anything else (the year is then written anew from
// the records).
bool ReadSearchData(std::string_view text, int year, SearchLines& lines);

} // namespace nook
