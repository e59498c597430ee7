#include "archive/BookSections.h"

#include "app/settings/DecimalText.h"

namespace nook {

namespace {

constexpr std::string_view kOpen = "<!--nook:";
constexpr std::string_view kClose = "-->\n";
constexpr std::string_view kEnd = "\n<!--nook:end-->\n";
constexpr std::string_view kDiary = "diary";
constexpr std::string_view kPosts = "posts";

void AppendSection(std::string& book, std::string_view kind, int32_t key, const BookSectionView& section) {
    book.append(kOpen)
        .append(kind)
        .append(" ")
        .append(std::to_string(key))
        .append(" ")
        .append(std::to_string(section.items))
        .append(" ")
        .append(std::to_string(section.photos))
        .append(kClose)
        .append(section.html)
        .append(kEnd);
}

// "diary 123 4 2": the kind and three decimal numbers, single blanks between.
bool ReadMarker(std::string_view marker, std::string_view& kind, int32_t numbers[3]) {
    size_t blank = marker.find(' ');
    if (blank == std::string_view::npos) return false;
    kind = marker.substr(0, blank);
    for (int i = 0; i < 3; ++i) {
        const size_t start = blank + 1;
        blank = marker.find(' ', start);
        if ((blank == std::string_view::npos) != (i == 2)) return false;
        const std::string_view digits =
            marker.substr(start, blank == std::string_view::npos ? blank : blank - start);
        if (digits.empty() || digits.find_first_not_of("-0123456789") != std::string_view::npos) return false;
        numbers[i] = DecimalValue(digits);
    }
    return true;
}

} // namespace

void AppendDiarySection(std::string& book, int32_t blogId, const BookSectionView& section) {
    AppendSection(book, kDiary, blogId, section);
}

void AppendPostsSection(std::string& book, int month, const BookSectionView& section) {
    AppendSection(book, kPosts, month, section);
}

BookSections ReadBookSections(std::string_view book) {
    BookSections sections;
    size_t at = 0;
    while ((at = book.find(kOpen, at)) != std::string_view::npos) {
        const size_t markerStart = at + kOpen.size();
        const size_t close = book.find(kClose, markerStart);
        if (close == std::string_view::npos) break;
        at = markerStart;
        std::string_view kind;
        int32_t numbers[3] = {};
        if (!ReadMarker(book.substr(markerStart, close - markerStart), kind, numbers)) continue;
        const size_t start = close + kClose.size();
        const size_t end = book.find(kEnd, start);
        if (end == std::string_view::npos) break;
        const BookSectionView section{book.substr(start, end - start), numbers[1], numbers[2]};
        if (kind == kDiary)
            sections.diaries[numbers[0]] = section;
        else if (kind == kPosts)
            sections.posts[numbers[0]] = section;
        at = end + kEnd.size();
    }
    return sections;
}

} // namespace nook
