#include "dialogs/flow/TreeSelection.h"

#include "archive/ArchivePaths.h"
#include "archive/ArchiveTree.h"
#include "platform/Files.h"
#include "util/FileHandle.h"

#include <cstdio>

namespace nook {

namespace {

bool IsRootText(const std::string& text) { return text == kDiaryRootText || text == kMiniDiaryRootText; }

// Readable, not merely present: a page the browser could not open shows nothing new.
bool CanOpen(const std::string& path) {
    const CFileHandle file(platform::OpenFile(path, "rb"));
    return static_cast<bool>(file);
}

// Shows the page when it can be opened; false, `view` unchanged, when not.
bool ShowIfOpenable(std::string path, SelectionView& view) {
    if (!CanOpen(path)) return false;
    view.shows = SelectionShows::Page;
    view.path = std::move(path);
    return true;
}

} // namespace

SelectionView ViewForSelection(const TreeItemInfo* selected, const TreeItemInfo* parent,
                               const TreeItemInfo* grandparent, const std::string& archiveRoot,
                               const std::string& userName) {
    SelectionView view;
    if (selected && parent && grandparent) {
        const CArchivePaths paths(archiveRoot, userName);
        if (!IsRootText(grandparent->text)) {
            view.shows = SelectionShows::Page;
            view.path = paths.BlogPagePath({grandparent->value, parent->value}, selected->value);
            return view;
        }
        if (grandparent->text == kMiniDiaryRootText) {
            ShowIfOpenable(paths.MonthPagePath({parent->value, selected->value}), view);
            return view;
        }
    }
    if (selected && !parent && selected->text == kDiaryRootText && !userName.empty() &&
        ShowIfOpenable(CArchivePaths(archiveRoot, userName).IndexPagePath(), view))
        return view;
    const bool miniDiaries =
        (selected && selected->text == kMiniDiaryRootText) || (parent && parent->text == kMiniDiaryRootText);
    view.shows = miniDiaries ? SelectionShows::MiniDiaryCount : SelectionShows::DiaryCount;
    return view;
}

std::string DiaryCountText(size_t count) {
    if (count == 0) return "\xc4\xfa\xbb\xb9\xc3\xbb\xd3\xd0\xb1\xb8\xb7\xdd\xb9\xfd\xc8\xd5\xbc\xc7\xb5\xbd\xb1\xbe\xb5\xd8";
    char text[160];
    std::snprintf(text, sizeof text,
                  "\xb1\xbe\xb5\xd8\xb9\xb2\xd3\xd0%d\xc6\xaa\xc8\xd5\xbc\xc7\xa3\xac\xc7\xeb\xb4\xd3\xd7\xf3\xb2\xe0\xc8"
                  "\xd5\xbc\xc7\xc1\xd0\xb1\xed\xc0\xb8\xd1\xa1\xd4\xf1\xc8\xd5\xbc\xc7\xbf\xaa\xca\xbc\xe4\xaf\xc0\xc0",
                  static_cast<int>(count));
    return text;
}

std::string MiniDiaryCountText(size_t count) {
    if (count == 0) return "\xc4\xfa\xbb\xb9\xc3\xbb\xd3\xd0\xb1\xb8\xb7\xdd\xb9\xfd\xc3\xd4\xc4\xe3\xc8\xd5\xbc\xc7";
    char text[160];
    std::snprintf(text, sizeof text,
                  "\xb1\xbe\xb5\xd8\xb9\xb2\xd3\xd0%d\xcc\xf5\xc3\xd4\xc4\xe3\xc8\xd5\xbc\xc7\xa3\xac\xc7\xeb\xb4\xd3\xd7"
                  "\xf3\xb2\xe0\xc3\xd4\xc4\xe3\xc8\xd5\xbc\xc7\xc1\xd0\xb1\xed\xc0\xb8\xb0\xb4\xd4\xc2\xe4\xaf\xc0\xc0",
                  static_cast<int>(count));
    return text;
}

} // namespace nook
