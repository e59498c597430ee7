#include "dialogs/ArchiveTreeView.h"

#include "framework/GdiHandles.h"
#include "platform/win32/WideText.h"
#include "res/resource.h"

#include <iterator>

namespace nook {

namespace {

// In the order of the tree images of ArchiveTreeImage.
const int kImageIcons[] = {IDI_TREE_DIARY_ROOT, IDI_TREE_DIARY_ROOT_OPEN, IDI_TREE_DATE,      IDI_TREE_DATE_OPEN,
                           IDI_TREE_DIARY,      IDI_TREE_DIARY_OPEN,      IDI_TREE_MINI_ROOT, IDI_TREE_MINI_ROOT_OPEN,
                           IDI_TREE_CHOICE,     IDI_TREE_CHOICE_OPEN};
constexpr int kImageSize = 16;
constexpr int kInitialImages = 8;
constexpr int kImageGrowth = 1;

} // namespace

CArchiveTreeView::~CArchiveTreeView() {
    // The tree lets go of the list before the list goes.
    if (tree_ && IsWindow(tree_)) TreeView_SetImageList(tree_, nullptr, TVSIL_NORMAL);
}

bool CArchiveTreeView::Attach(HWND tree) {
    tree_ = tree;
    if (!tree_) return false;
    if (!images_) {
        images_.Reset(
            ImageList_Create(kImageSize, kImageSize, ILC_COLOR8 | ILC_MASK, kInitialImages, kImageGrowth));
        if (!images_) return false;
        HINSTANCE module = GetModuleHandleW(nullptr);
        for (int id : kImageIcons) {
            const CIconHandle icon(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                                 kImageSize, kImageSize, LR_DEFAULTCOLOR)));
            ImageList_AddIcon(images_.Get(), icon.Get());
        }
    }
    TreeView_SetImageList(tree_, images_.Get(), TVSIL_NORMAL);
    return true;
}

HTREEITEM CArchiveTreeView::Insert(HTREEITEM parent, const ArchiveTreeItem& item) {
    std::wstring text = platform::ToWide(item.text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = text.data();
    insert.item.lParam = item.value;
    insert.item.iImage = item.image;
    insert.item.iSelectedImage = item.selectedImage;
    HTREEITEM inserted = TreeView_InsertItem(tree_, &insert);
    if (inserted)
        for (const ArchiveTreeItem& child : item.children) Insert(inserted, child);
    return inserted;
}

void CArchiveTreeView::Fill(const std::vector<ArchiveTreeItem>& roots) {
    if (!tree_) return;
    SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(tree_);
    for (const ArchiveTreeItem& root : roots) ExpandAll(Insert(TVI_ROOT, root));
    SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
}

void CArchiveTreeView::ExpandAll(HTREEITEM item) {
    if (!item) return;
    HTREEITEM child = TreeView_GetChild(tree_, item);
    if (!child) return;
    for (; child; child = TreeView_GetNextSibling(tree_, child)) ExpandAll(child);
    TreeView_Expand(tree_, item, TVE_EXPAND);
}

HTREEITEM CArchiveTreeView::Root(int index) const {
    HTREEITEM item = TreeView_GetRoot(tree_);
    for (int i = 0; item && i < index; ++i) item = TreeView_GetNextSibling(tree_, item);
    return item;
}

bool CArchiveTreeView::Info(HTREEITEM item, TreeItemInfo& info) const {
    if (!item) return false;
    wchar_t text[512] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT | TVIF_PARAM;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = static_cast<int>(std::size(text));
    if (!TreeView_GetItem(tree_, &data)) return false;
    info.text = platform::FromWide(text);
    info.value = static_cast<int32_t>(data.lParam);
    return true;
}

HTREEITEM CArchiveTreeView::NeighbourLeaf(HTREEITEM from, bool forward) const {
    const UINT step = forward ? TVGN_NEXTVISIBLE : TVGN_PREVIOUSVISIBLE;
    for (HTREEITEM item = from ? TreeView_GetNextItem(tree_, from, step) : nullptr; item;
         item = TreeView_GetNextItem(tree_, item, step)) {
        if (!TreeView_GetChild(tree_, item)) return item;
    }
    return nullptr;
}

} // namespace nook
