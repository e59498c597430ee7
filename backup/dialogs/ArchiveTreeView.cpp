#include "dialogs/ArchiveTreeView.h"

#include "archive/PlainText.h"
#include "framework/GdiHandles.h"
#include "platform/win32/WideText.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <unordered_map>

namespace nook {

namespace {

// In the order of the tree images of ArchiveTreeImage.
const int kImageIcons[] = {IDI_TREE_DIARY_ROOT, IDI_TREE_DIARY_ROOT_OPEN, IDI_TREE_DATE,      IDI_TREE_DATE_OPEN,
                           IDI_TREE_DIARY,      IDI_TREE_DIARY_OPEN,      IDI_TREE_MINI_ROOT, IDI_TREE_MINI_ROOT_OPEN,
                           IDI_TREE_CHOICE,     IDI_TREE_CHOICE_OPEN};
constexpr int kImageSize = 16;
constexpr int kInitialImages = 8;
constexpr int kImageGrowth = 1;

// Holds the tree's drawing for a batch of changes, then has it drawn once: under Wine a
// change to a drawn tree costs a round of the window system each, seconds for a large
// archive.
class CRedrawPause {
  public:
    explicit CRedrawPause(HWND tree) : tree_(tree) { SendMessageW(tree_, WM_SETREDRAW, FALSE, 0); }
    ~CRedrawPause() {
        SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(tree_, nullptr, TRUE);
    }
    CRedrawPause(const CRedrawPause&) = delete;
    CRedrawPause& operator=(const CRedrawPause&) = delete;

  private:
    HWND tree_;
};

// What an item shows: its text, where the references the archive keeps for characters
// code page 936 lacks (an emoji in a title) show as those characters.
std::wstring ShownText(const ArchiveTreeItem& item) {
    const std::u16string text = PlainTextOf(item.text);
    return std::wstring(text.begin(), text.end());
}

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

HTREEITEM CArchiveTreeView::Insert(HTREEITEM parent, HTREEITEM after, const ArchiveTreeItem& item) {
    std::wstring text = ShownText(item);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = text.data();
    insert.item.lParam = item.value;
    insert.item.iImage = item.image;
    insert.item.iSelectedImage = item.selectedImage;
    HTREEITEM inserted = TreeView_InsertItem(tree_, &insert);
    if (!inserted || item.children.empty()) return inserted;
    for (const ArchiveTreeItem& child : item.children) Insert(inserted, TVI_LAST, child);
    TreeView_Expand(tree_, inserted, TVE_EXPAND);
    return inserted;
}

void CArchiveTreeView::Update(HTREEITEM existing, const ArchiveTreeItem& item) {
    // A diary sent again may have a new title, or have become the editors' choice.
    std::wstring text = ShownText(item);
    TVITEMW data{};
    data.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    data.hItem = existing;
    data.pszText = text.data();
    data.lParam = item.value;
    data.iImage = item.image;
    data.iSelectedImage = item.selectedImage;
    TreeView_SetItem(tree_, &data);
}

void CArchiveTreeView::Fill(const std::vector<ArchiveTreeItem>& roots) {
    if (!tree_) return;
    const CRedrawPause pause(tree_);
    Merge(TVI_ROOT, roots);
    shown_ = roots;
}

void CArchiveTreeView::Merge(HTREEITEM parent, const std::vector<ArchiveTreeItem>& items) {
    // Both lists come in the archive tree's order, so one walk pairs them; an item that
    // is no longer wanted, or out of that order, goes with its descendants. Items are
    // changed only where they differ: under Wine every change walks the whole tree.
    std::vector<HTREEITEM> existing;
    for (HTREEITEM child = parent == TVI_ROOT ? TreeView_GetRoot(tree_) : TreeView_GetChild(tree_, parent); child;
         child = TreeView_GetNextSibling(tree_, child))
        existing.push_back(child);
    std::unordered_map<std::string, size_t> wanted;
    for (size_t i = 0; i < items.size(); ++i) wanted.emplace(ItemKey(items[i].value, items[i].text), i);

    size_t next = 0;
    HTREEITEM previous = TVI_FIRST;
    for (size_t i = 0; i < items.size(); ++i) {
        const ArchiveTreeItem& item = items[i];
        HTREEITEM kept = nullptr;
        ArchiveTreeItem shown;
        std::wstring shownText;
        while (next < existing.size() && !kept) {
            shown = {};
            Read(existing[next], shown, shownText);
            const auto found = wanted.find(ItemKey(shown.value, shown.text));
            if (found != wanted.end() && found->second == i)
                kept = existing[next];
            else if (found != wanted.end() && found->second > i)
                break; // wanted later: the new item goes before it
            else
                TreeView_DeleteItem(tree_, existing[next]);
            ++next;
        }
        if (kept) {
            if (shownText != ShownText(item) || shown.image != item.image || shown.selectedImage != item.selectedImage)
                Update(kept, item);
            Merge(kept, item.children);
            previous = kept;
        } else {
            previous = Insert(parent, previous, item);
        }
    }
    for (; next < existing.size(); ++next) TreeView_DeleteItem(tree_, existing[next]);
}

bool CArchiveTreeView::Read(HTREEITEM existing, ArchiveTreeItem& shown, std::wstring& shownText) const {
    wchar_t text[512] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    data.hItem = existing;
    data.pszText = text;
    data.cchTextMax = static_cast<int>(std::size(text));
    if (!TreeView_GetItem(tree_, &data)) return false;
    shownText = text;
    shown.text = platform::FromWide(text);
    shown.value = static_cast<int32_t>(data.lParam);
    shown.image = data.iImage;
    shown.selectedImage = data.iSelectedImage;
    return true;
}

std::string CArchiveTreeView::ItemKey(int32_t value, const std::string& text) {
    // Years, months and diaries are told apart among their siblings by their value; the
    // two roots, both 0, by their text.
    return value != 0 ? std::to_string(value) : "0:" + text;
}

void CArchiveTreeView::ExpandAll(int rootIndex) {
    HTREEITEM root = Root(rootIndex);
    if (!root || rootIndex < 0 || static_cast<size_t>(rootIndex) >= shown_.size()) return;
    const CRedrawPause pause(tree_);
    ExpandBranch(root, shown_[rootIndex]);
}

void CArchiveTreeView::ExpandBranch(HTREEITEM item, const ArchiveTreeItem& shown) {
    if (shown.children.empty()) return;
    // Only the items with children are visited: asking the tree about each of thousands
    // of diaries costs Wine seconds.
    const bool branches = std::any_of(shown.children.begin(), shown.children.end(),
                                      [](const ArchiveTreeItem& child) { return !child.children.empty(); });
    if (branches) {
        HTREEITEM child = TreeView_GetChild(tree_, item);
        for (auto sub = shown.children.begin(); child && sub != shown.children.end(); ++sub) {
            ExpandBranch(child, *sub);
            child = TreeView_GetNextSibling(tree_, child);
        }
    }
    TreeView_Expand(tree_, item, TVE_EXPAND);
}

HTREEITEM CArchiveTreeView::Root(int index) const {
    HTREEITEM item = TreeView_GetRoot(tree_);
    for (int i = 0; item && i < index; ++i) item = TreeView_GetNextSibling(tree_, item);
    return item;
}

bool CArchiveTreeView::Info(HTREEITEM item, TreeItemInfo& info) const {
    if (!item) return false;
    ArchiveTreeItem shown;
    std::wstring shownText;
    if (!Read(item, shown, shownText)) return false;
    info.text = shown.text;
    info.value = shown.value;
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
