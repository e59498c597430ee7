// The sections of a year book. A book is written whole, but most of it is what the book
// before held: each diary and each month of posts stands between two marker comments
// that name it and count what it shows, so a backup renders only the sections whose
// records changed and copies the others from the book on the disk.
//
// A marker in a book is always one the book writer put there: other people's HTML
// reaches a book sanitised (comments dropped, "<" in text written as a reference) and
// plain texts escaped, so no title, comment or post can end a section or begin one.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace nook {

struct BookSectionView {
    std::string_view html;
    int items = 0;  // a diary's kept comments, a month's posts
    int photos = 0; // different photo files it shows
};

struct BookSection {
    std::string html;
    int items = 0;
    int photos = 0;
    BookSectionView View() const { return {html, items, photos}; }
};

// The sections a book holds, in its text: diaries by id, months of posts by month number.
struct BookSections {
    std::map<int32_t, BookSectionView> diaries;
    std::map<int, BookSectionView> posts;
};

// Appends the diary's or month's section between its markers.
void AppendDiarySection(std::string& book, int32_t blogId, const BookSectionView& section);
void AppendPostsSection(std::string& book, int month, const BookSectionView& section);

// The sections of a book's text (line feeds as read), which they point into; a marker
// that is not whole, or a section without its end, is passed over.
BookSections ReadBookSections(std::string_view book);

// Moves what `kept` holds under `key` into `taken`; false when it holds nothing there.
template <typename Key, typename Value>
bool TakeOut(std::map<Key, Value>& kept, const Key& key, Value& taken) {
    auto found = kept.find(key);
    if (found == kept.end()) return false;
    taken = std::move(found->second);
    kept.erase(found);
    return true;
}

} // namespace nook
