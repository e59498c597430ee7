#include "archive/BookPhotos.h"

#include "archive/ImageLocaliser.h"

#include <set>

namespace nook {

namespace {

// Calls `visit(tagStart, tagEnd)` for each tag, "<" to ">" inclusive.
template <typename Visit> void ForEachTag(std::string_view html, Visit visit) {
    for (size_t open = html.find('<'); open != std::string_view::npos; open = html.find('<', open + 1)) {
        const size_t close = html.find('>', open);
        if (close == std::string_view::npos) return;
        visit(open, close + 1);
        open = close;
    }
}

} // namespace

void RebasePhotoAddresses(std::string& html) {
    const std::string from = std::string("=\"") + kPagePhotoFolder;
    const std::string to = std::string("=\"") + kBookPhotoFolder;
    std::string rebased;
    size_t copied = 0;
    ForEachTag(html, [&](size_t start, size_t end) {
        const std::string_view tag = std::string_view(html).substr(start, end - start);
        for (size_t at = tag.find(from); at != std::string_view::npos; at = tag.find(from, at + 1)) {
            rebased.append(html, copied, start + at - copied).append(to);
            copied = start + at + from.size();
        }
    });
    if (copied == 0) return;
    rebased.append(html, copied, std::string::npos);
    html = std::move(rebased);
}

int CountBookPhotos(std::string_view html) {
    const std::string source = std::string(" src=\"") + kBookPhotoFolder;
    std::set<std::string_view> names;
    ForEachTag(html, [&](size_t start, size_t end) {
        const std::string_view tag = html.substr(start, end - start);
        for (size_t at = tag.find(source); at != std::string_view::npos; at = tag.find(source, at + 1)) {
            const size_t name = at + source.size();
            const size_t quote = tag.find('"', name);
            if (quote != std::string_view::npos && quote > name) names.insert(tag.substr(name, quote - name));
        }
    });
    return static_cast<int>(names.size());
}

} // namespace nook
