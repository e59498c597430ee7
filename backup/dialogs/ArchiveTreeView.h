// The archive tree of the main dialog: the tree-view control filled from the archive's
// tree data, with the ten images of the tree image list, and the walks the dialog needs.
#pragma once

#include "archive/ArchiveTree.h"
#include "dialogs/flow/TreeSelection.h"
#include "framework/UserHandles.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace nook {

class CArchiveTreeView {
public:
    CArchiveTreeView() = default;
    ~CArchiveTreeView();
    CArchiveTreeView(const CArchiveTreeView&) = delete;
    CArchiveTreeView& operator=(const CArchiveTreeView&) = delete;

    // Binds to the tree control and gives it its image list (16 x 16, from the tree icons).
    bool Attach(HWND tree);
    HWND Hwnd() const { return tree_; }

    // Makes the items `roots` and their descendants, touching only what differs: a
    // later backup of a large archive changes a few items, and deleting and inserting
    // them all took seconds. New items are expanded where they have children; the others
    // keep their state, and the selection stays unless its item went.
    void Fill(const std::vector<ArchiveTreeItem>& roots);
    // Expands the descendants of the root at `index` that have children, then the root;
    // drawn once.
    void ExpandAll(int rootIndex);

    // The root at `index` (0 the diaries, 1 the mini-diaries), or null.
    HTREEITEM Root(int index) const;
    HTREEITEM Selected() const { return TreeView_GetSelection(tree_); }
    HTREEITEM Parent(HTREEITEM item) const { return item ? TreeView_GetParent(tree_, item) : nullptr; }
    void Select(HTREEITEM item) { TreeView_SelectItem(tree_, item); }
    bool Info(HTREEITEM item, TreeItemInfo& info) const;

    // The nearest visible item without children before (or after) `from`; null when the
    // walk runs out of items.
    HTREEITEM NeighbourLeaf(HTREEITEM from, bool forward) const;

private:
    void Merge(HTREEITEM parent, const std::vector<ArchiveTreeItem>& items);
    HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, const ArchiveTreeItem& item);
    void Update(HTREEITEM existing, const ArchiveTreeItem& item);
    // Expands `item`'s branches and then `item`, `shown` being what it was filled with.
    void ExpandBranch(HTREEITEM item, const ArchiveTreeItem& shown);
    // The item's text, value and images (no children); false when it cannot be read.
    // `shown.text` in code page 936; `shownText` as the tree shows it.
    bool Read(HTREEITEM existing, ArchiveTreeItem& shown, std::wstring& shownText) const;
    static std::string ItemKey(int32_t value, const std::string& text);

    HWND tree_ = nullptr;
    CImageListHandle images_;
    std::vector<ArchiveTreeItem> shown_; // the roots of the last Fill
};

} // namespace nook
