// What selecting an item of the archive tree shows. Decided from the texts and values of
// the selected item, its parent and its grandparent, as the tree holds them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nook {

struct TreeItemInfo {
    std::string text;
    int32_t value = 0; // year, month or diary id
};

enum class SelectionShows {
    Nothing,        // a month of mini-diaries without a page: the view stays as it is
    Page,           // the page at `path`
    DiaryCount,     // the count of archived diaries, in the status line
    MiniDiaryCount, // the count of archived mini-diary posts, in the status line
};

struct SelectionView {
    SelectionShows shows = SelectionShows::Nothing;
    std::string path;
};

// `selected`, `parent` and `grandparent` may be null when the item has none.
// `archiveRoot`, the folder of the user folders, has its trailing backslash. A diary page
// is shown without looking for its file (the browser reports a missing one); a month of
// mini-diaries only when its page can be opened; the diary root shows the user folder's
// index page once a backup has written it, and the diary count before.
SelectionView ViewForSelection(const TreeItemInfo* selected, const TreeItemInfo* parent,
                               const TreeItemInfo* grandparent, const std::string& archiveRoot,
                               const std::string& userName);

// "本地共有%d篇日记，请从左侧日记列表栏选择日记开始浏览", or "您还没有备份过日记到本地".
std::string DiaryCountText(size_t count);
// "本地共有%d条迷你日记，请从左侧迷你日记列表栏按月浏览", or "您还没有备份过迷你日记".
std::string MiniDiaryCountText(size_t count);

} // namespace nook
