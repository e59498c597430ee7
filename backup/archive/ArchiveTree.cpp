#include "archive/ArchiveTree.h"

#include "archive/ParseDate.h"

#include <algorithm>

namespace nook {

const char kDiaryRootText[] = "\xce\xd2\xb5\xc4\xc8\xd5\xbc\xc7";
const char kMiniDiaryRootText[] = "\xce\xd2\xb5\xc4\xc3\xd4\xc4\xe3\xc8\xd5\xbc\xc7";

namespace {

const char kYearSuffix[] = "\xc4\xea";  // 年
const char kMonthSuffix[] = "\xd4\xc2"; // 月

ArchiveTreeItem MakeItem(std::string text, int32_t value, int image, int selectedImage) {
    ArchiveTreeItem item;
    item.text = std::move(text);
    item.value = value;
    item.image = image;
    item.selectedImage = selectedImage;
    return item;
}

// The first child with that value, added at the end when there is none.
ArchiveTreeItem& DateChild(ArchiveTreeItem& parent, int32_t value, const char* suffix) {
    auto found = std::find_if(parent.children.begin(), parent.children.end(),
                              [value](const ArchiveTreeItem& child) { return child.value == value; });
    if (found != parent.children.end()) return *found;
    parent.children.push_back(
        MakeItem(std::to_string(value) + suffix, value, kImageDate, kImageDateSelected));
    return parent.children.back();
}

ArchiveTreeItem& MonthItem(ArchiveTreeItem& root, ArchiveMonth month) {
    return DateChild(DateChild(root, month.year, kYearSuffix), month.month, kMonthSuffix);
}

} // namespace

std::vector<ArchiveTreeItem> RebuildArchiveTree(const BlogIndex& blogs, const TwitterIndex& twitters) {
    std::vector<const BlogIndexEntry*> sorted;
    sorted.reserve(blogs.size());
    for (const auto& entry : blogs)
        sorted.push_back(&entry.second);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const BlogIndexEntry* a, const BlogIndexEntry* b) { return a->time < b->time; });

    ArchiveTreeItem diaries = MakeItem(kDiaryRootText, 0, kImageDiaryRoot, kImageDiaryRootSelected);
    for (const BlogIndexEntry* blog : sorted) {
        MonthItem(diaries, ArchiveMonthOf(blog->time))
            .children.push_back(
                blog->editorChoice
                    ? MakeItem(blog->title, blog->id, kImageEditorChoice, kImageEditorChoiceSelected)
                    : MakeItem(blog->title, blog->id, kImageDiary, kImageDiarySelected));
    }
    ArchiveTreeItem posts = MakeItem(kMiniDiaryRootText, 0, kImageMiniRoot, kImageMiniRootSelected);
    for (const auto& entry : twitters)
        MonthItem(posts, ArchiveMonthOf(entry.second.time));

    std::vector<ArchiveTreeItem> roots;
    roots.push_back(std::move(diaries));
    roots.push_back(std::move(posts));
    return roots;
}

} // namespace nook
