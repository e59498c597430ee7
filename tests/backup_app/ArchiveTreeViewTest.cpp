// The archive tree view follows a new tree by changing only what differs: items that stay
// keep their handles (and so their state and the selection), new ones are expanded, and
// the result is item for item what filling an empty tree gives. ExpandAll opens one root's
// branches.
#include "dialogs/ArchiveTreeView.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace nook::test {
namespace {

ArchiveTreeItem Item(std::string text, int32_t value, std::vector<ArchiveTreeItem> children = {},
                     int image = kImageDiary) {
    return {std::move(text), value, image, image + 1, std::move(children)};
}
ArchiveTreeItem Month(int32_t month, std::vector<ArchiveTreeItem> diaries) {
    return Item(std::to_string(month) + "m", month, std::move(diaries), kImageDate);
}
ArchiveTreeItem Year(int32_t year, std::vector<ArchiveTreeItem> months) {
    return Item(std::to_string(year) + "y", year, std::move(months), kImageDate);
}
std::vector<ArchiveTreeItem> Roots(std::vector<ArchiveTreeItem> years, std::vector<ArchiveTreeItem> postMonths) {
    return {Item("diaries", 0, std::move(years), kImageDiaryRoot),
            Item("posts", 0, std::move(postMonths), kImageMiniRoot)};
}

struct MergeCase {
    const char* name;
    std::vector<ArchiveTreeItem> before;
    std::vector<ArchiveTreeItem> after;
};

std::vector<MergeCase> MergeCases() {
    const auto base = [] {
        return Roots({Year(2008, {Month(1, {Item("a", 11), Item("b", 12)}), Month(3, {Item("c", 13)})})},
                     {Item("2008-01", 200801, {}, kImageDate)});
    };
    return {
        {"DiaryAddedToAMonth", base(),
         Roots({Year(2008, {Month(1, {Item("a", 11), Item("b", 12)}), Month(3, {Item("c", 13), Item("d", 14)})})},
               {Item("2008-01", 200801, {}, kImageDate)})},
        {"MonthAndYearAdded", base(),
         Roots({Year(2008, {Month(1, {Item("a", 11), Item("b", 12)}), Month(2, {Item("e", 15)}),
                            Month(3, {Item("c", 13)})}),
                Year(2009, {Month(1, {Item("f", 16)})})},
               {Item("2008-01", 200801, {}, kImageDate), Item("2009-01", 200901, {}, kImageDate)})},
        {"TitleAndImageChanged", base(),
         Roots({Year(2008, {Month(1, {Item("a2", 11, {}, kImageEditorChoice), Item("b", 12)}),
                            Month(3, {Item("c", 13)})})},
               {Item("2008-01", 200801, {}, kImageDate)})},
        {"DiaryMovedToAnotherMonth", base(),
         Roots({Year(2008, {Month(1, {Item("b", 12)}), Month(3, {Item("a", 11), Item("c", 13)})})},
               {Item("2008-01", 200801, {}, kImageDate)})},
        {"EverythingGone", base(), Roots({}, {})},
        {"FromEmpty", {}, base()},
    };
}

void PrintTo(const MergeCase& c, std::ostream* os) { *os << c.name; }

class ArchiveTreeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        tree_ = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_OVERLAPPEDWINDOW | TVS_HASBUTTONS, 0, 0, 300, 400,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(tree_, nullptr);
        ASSERT_TRUE(view_.Attach(tree_));
    }
    void TearDown() override {
        if (tree_) DestroyWindow(tree_);
    }

    HTREEITEM Next(HTREEITEM item, UINT how) const {
        return reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    }
    // The items under `parent` as the tree holds them; `handles` gets each item's handle
    // by its path of values (texts for the roots, whose values are all 0).
    std::vector<ArchiveTreeItem> Shown(HTREEITEM parent, const std::string& path,
                                       std::map<std::string, HTREEITEM>& handles) const {
        std::vector<ArchiveTreeItem> items;
        for (HTREEITEM item = parent ? Next(parent, TVGN_CHILD) : Next(nullptr, TVGN_ROOT); item;
             item = Next(item, TVGN_NEXT)) {
            wchar_t text[64] = {};
            TVITEMW data{};
            data.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
            data.stateMask = TVIS_EXPANDED;
            data.hItem = item;
            data.pszText = text;
            data.cchTextMax = 64;
            SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
            ArchiveTreeItem shown;
            shown.text = std::string(text, text + wcslen(text));
            shown.value = static_cast<int32_t>(data.lParam);
            shown.image = data.iImage;
            shown.selectedImage = data.iSelectedImage;
            const std::string key = path + "/" + (shown.value ? std::to_string(shown.value) : shown.text);
            handles[key] = item;
            shown.children = Shown(item, key, handles);
            if (!shown.children.empty()) {
                EXPECT_TRUE(data.state & TVIS_EXPANDED) << key << " is not expanded";
            }
            items.push_back(std::move(shown));
        }
        return items;
    }

    static void ExpectSame(const std::vector<ArchiveTreeItem>& shown, const std::vector<ArchiveTreeItem>& wanted,
                           const std::string& where) {
        ASSERT_EQ(shown.size(), wanted.size()) << where;
        for (size_t i = 0; i < shown.size(); ++i) {
            const std::string at = where + "/" + wanted[i].text;
            EXPECT_EQ(shown[i].text, wanted[i].text) << at;
            EXPECT_EQ(shown[i].value, wanted[i].value) << at;
            EXPECT_EQ(shown[i].image, wanted[i].image) << at;
            EXPECT_EQ(shown[i].selectedImage, wanted[i].selectedImage) << at;
            ExpectSame(shown[i].children, wanted[i].children, at);
        }
    }

    bool Expanded(HTREEITEM item) const {
        return SendMessageW(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED;
    }

    HWND tree_ = nullptr;
    CArchiveTreeView view_;
};

class ArchiveTreeViewMerge : public ArchiveTreeViewTest, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(ArchiveTreeViewMerge, ShowsTheNewTreeAndKeepsTheItemsThatStay) {
    const MergeCase& c = GetParam();
    view_.Fill(c.before);
    std::map<std::string, HTREEITEM> before;
    Shown(nullptr, "", before);
    // The first diary of 2008, when there is one, is selected.
    const std::string first = "/diaries/2008/1/11";
    if (before.count(first)) view_.Select(before[first]);

    view_.Fill(c.after);
    std::map<std::string, HTREEITEM> after;
    ExpectSame(Shown(nullptr, "", after), c.after, "");
    // An item in the same place keeps its handle, even when its text changed.
    for (const auto& [key, item] : after) {
        if (before.count(key)) {
            EXPECT_EQ(item, before[key]) << key << " was made anew";
        }
    }
    if (before.count(first) && after.count(first)) {
        EXPECT_EQ(view_.Selected(), before[first]) << "the selection was dropped";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ArchiveTreeViewMerge, ::testing::ValuesIn(MergeCases()),
                         [](const ::testing::TestParamInfo<MergeCase>& info) { return info.param.name; });

// Branches the user folded are opened again under the root asked for, and only there.
// The archive keeps characters code page 936 lacks as references; the tree shows the
// characters, and a title that changes only there is shown anew.
TEST_F(ArchiveTreeViewTest, TitlesShowTheCharactersTheArchiveKeepsAsReferences) {
    const auto tree = [](const char* title) {
        return Roots({Year(2008, {Month(1, {Item(title, 11)})})}, {});
    };
    const auto title = [&] {
        HTREEITEM diary = Next(Next(Next(Next(nullptr, TVGN_ROOT), TVGN_CHILD), TVGN_CHILD), TVGN_CHILD);
        wchar_t text[64] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT;
        data.hItem = diary;
        data.pszText = text;
        data.cchTextMax = 64;
        SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        return std::wstring(text);
    };
    view_.Fill(tree("a&#128525;"));
    EXPECT_EQ(title(), L"a\U0001F60D");
    view_.Fill(tree("a&#128516;"));
    EXPECT_EQ(title(), L"a\U0001F604");
    view_.Fill(tree("a&#65;"));
    EXPECT_EQ(title(), L"a&#65;");
}

TEST_F(ArchiveTreeViewTest, ExpandAllOpensEveryBranchOfOneRoot) {
    view_.Fill(MergeCases().front().after);
    std::map<std::string, HTREEITEM> items;
    Shown(nullptr, "", items);
    for (const char* key : {"/diaries/2008/1", "/diaries/2008/3", "/diaries/2008", "/diaries", "/posts"})
        SendMessageW(tree_, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(items.at(key)));

    view_.ExpandAll(0);
    for (const char* key : {"/diaries/2008/1", "/diaries/2008/3", "/diaries/2008", "/diaries"})
        EXPECT_TRUE(Expanded(items.at(key))) << key;
    EXPECT_FALSE(Expanded(items.at("/posts")));
    view_.ExpandAll(1);
    EXPECT_TRUE(Expanded(items.at("/posts")));
}

} // namespace
} // namespace nook::test
