// The archive browser's tree as data: diaries by year and month under one root, the
// months that have mini-diary posts under another. The dialog puts it into its tree
// view and expands every item that has children.
#pragma once

#include "archive/ArchiveIndex.h"

#include <cstdint>
#include <string>
#include <vector>

namespace nook {

// Indexes into the dialog's tree image list (normal, selected).
enum ArchiveTreeImage : int {
    kImageDiaryRoot = 0,
    kImageDiaryRootSelected = 1,
    kImageDate = 2,
    kImageDateSelected = 3,
    kImageDiary = 4,
    kImageDiarySelected = 5,
    kImageMiniRoot = 6,
    kImageMiniRootSelected = 7,
    kImageEditorChoice = 8,
    kImageEditorChoiceSelected = 9,
};

struct ArchiveTreeItem {
    std::string text;
    int32_t value = 0; // year, month or diary id; 0 for the roots
    int image = 0;
    int selectedImage = 0;
    std::vector<ArchiveTreeItem> children;
};

// Root texts, code page 936.
extern const char kDiaryRootText[];     // 我的日记
extern const char kMiniDiaryRootText[]; // 我的迷你日记

// The two roots, diaries first. Diaries are placed oldest first (by creation time as
// bytes, then id), so years and months come in ascending order; mini-diary months come
// in the order ascending post ids first reach them. There is no item per post.
std::vector<ArchiveTreeItem> RebuildArchiveTree(const BlogIndex& blogs, const TwitterIndex& twitters);

} // namespace nook
