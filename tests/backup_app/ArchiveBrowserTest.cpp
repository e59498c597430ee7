// The archive tree of the main dialog on a prepared archive: its items, what selecting
// each kind of item shows, and the previous and next page buttons.
#include "platform/Files.h"
#include "platform/win32/WideText.h"
#include "res/resource.h"
#include "tests/backup_app/support/ArchivistDlgSession.h"
#include "tests/backup_app/support/ProgramFolder.h"
#include "tests/backup_app/support/TestText.h"
#include "tests/backup_app/support/UiWaits.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>

namespace nook::test {
namespace {

class ArchiveBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        // No service is needed: the login window is cancelled and the archive browsed offline.
        folder_.WriteConfig("127.0.0.1:9", "reader");
        folder_.WriteUser({"reader", "secret", 0});
        folder_.CopyArchive("backup_app\\archive", "reader");
        session_.emplace(folder_);
        HWND login = session_->WaitForLogin();
        ASSERT_NE(login, nullptr);
        EXPECT_EQ(ControlText(login, IDC_USER_NAME), "reader");
        PostClick(login, IDC_CLOSE);
        main_ = session_->Main();
        ASSERT_NE(main_, nullptr);
        tree_ = GetDlgItem(main_, IDC_ARCHIVE_TREE);
        ASSERT_TRUE(WaitForText(main_, IDC_STATUS, Gbk(u8"本地共有3篇日记，请从左侧日记列表栏选择日记开始浏览")))
            << ControlText(main_, IDC_STATUS);
    }

    HTREEITEM Next(HTREEITEM item, UINT how) const {
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(tree_, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    }
    HTREEITEM Root(int index) const {
        HTREEITEM item = Next(nullptr, TVGN_ROOT);
        while (item && index-- > 0) item = Next(item, TVGN_NEXT);
        return item;
    }
    // The item reached from `from` by child positions (0 the first child).
    HTREEITEM Child(HTREEITEM from, std::initializer_list<int> path) const {
        HTREEITEM item = from;
        for (int position : path) {
            item = Next(item, TVGN_CHILD);
            while (item && position-- > 0) item = Next(item, TVGN_NEXT);
        }
        return item;
    }
    TVITEMW Item(HTREEITEM item, std::wstring& text) const {
        wchar_t buffer[256] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        data.hItem = item;
        data.pszText = buffer;
        data.cchTextMax = 256;
        SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        text = buffer;
        return data;
    }
    std::string Text(HTREEITEM item) const {
        std::wstring text;
        Item(item, text);
        return platform::FromWide(text);
    }
    void Select(HTREEITEM item) { SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)); }
    HTREEITEM Selected() const { return Next(nullptr, TVGN_CARET); }
    bool ShowsPage() const { return !ControlVisible(main_, IDC_STATUS) && ControlVisible(main_, IDC_EXPLORER); }
    std::string Status() const { return ControlText(main_, IDC_STATUS); }

    CProgramFolder folder_{""};
    std::optional<CArchivistDlgSession> session_;
    HWND main_ = nullptr;
    HWND tree_ = nullptr;
};

TEST_F(ArchiveBrowser, TreeHoldsDiariesByYearAndMonthAndTheMonthsOfPosts) {
    EXPECT_EQ(Text(Root(0)), Gbk(u8"我的日记"));
    EXPECT_EQ(Text(Root(1)), Gbk(u8"我的迷你日记"));
    EXPECT_EQ(Text(Child(Root(0), {0})), Gbk(u8"2007年"));
    EXPECT_EQ(Text(Child(Root(0), {0, 0})), Gbk(u8"5月"));
    EXPECT_EQ(Text(Child(Root(0), {0, 0, 0})), Gbk(u8"春天来了"));
    EXPECT_EQ(Text(Child(Root(0), {0, 0, 1})), Gbk(u8"第一次游泳"));
    EXPECT_EQ(Text(Child(Root(0), {1, 0, 0})), Gbk(u8"两岁生日"));
    EXPECT_EQ(Text(Child(Root(1), {0})), Gbk(u8"2008年"));
    EXPECT_EQ(Text(Child(Root(1), {0, 0})), Gbk(u8"3月"));
    EXPECT_EQ(Text(Child(Root(1), {0, 1})), Gbk(u8"4月"));
    EXPECT_EQ(Child(Root(1), {0, 0, 0}), nullptr) << "no item per post";

    std::wstring text;
    const TVITEMW plain = Item(Child(Root(0), {0, 0, 0}), text);
    EXPECT_EQ(plain.lParam, 11);
    EXPECT_EQ(plain.iImage, 4);
    EXPECT_EQ(plain.iSelectedImage, 5);
    const TVITEMW choice = Item(Child(Root(0), {0, 0, 1}), text);
    EXPECT_EQ(choice.iImage, 8);
    EXPECT_EQ(choice.iSelectedImage, 9);
    const TVITEMW year = Item(Child(Root(0), {0}), text);
    EXPECT_EQ(year.lParam, 2007);
    EXPECT_EQ(year.iImage, 2);
    const TVITEMW mini = Item(Root(1), text);
    EXPECT_EQ(mini.iImage, 6);
    EXPECT_EQ(mini.iSelectedImage, 7);
    // Everything with children starts expanded.
    EXPECT_TRUE(SendMessageW(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(Child(Root(1), {0})), TVIS_EXPANDED) &
                TVIS_EXPANDED);
}

TEST_F(ArchiveBrowser, RootsYearsAndDiaryMonthsShowCountsDiariesAndPostMonthsShowPages) {
    Select(Root(1));
    EXPECT_EQ(Status(), Gbk(u8"本地共有2条迷你日记，请从左侧迷你日记列表栏按月浏览"));
    EXPECT_TRUE(ControlVisible(main_, IDC_STATUS));

    Select(Child(Root(1), {0, 1})); // April: no page, the view stays
    EXPECT_EQ(Status(), Gbk(u8"本地共有2条迷你日记，请从左侧迷你日记列表栏按月浏览"));
    EXPECT_TRUE(ControlVisible(main_, IDC_STATUS));

    Select(Child(Root(1), {0, 0})); // March has its page
    EXPECT_TRUE(ShowsPage());

    Select(Child(Root(0), {0})); // a year of diaries
    EXPECT_EQ(Status(), Gbk(u8"本地共有3篇日记，请从左侧日记列表栏选择日记开始浏览"));
    EXPECT_TRUE(ControlVisible(main_, IDC_STATUS));

    Select(Child(Root(0), {0, 0, 1})); // a diary
    EXPECT_TRUE(ShowsPage());

    Select(Child(Root(0), {0, 0})); // a month of diaries
    EXPECT_EQ(Status(), Gbk(u8"本地共有3篇日记，请从左侧日记列表栏选择日记开始浏览"));
    EXPECT_FALSE(ShowsPage());
}

// The browser control renders nothing under Wine: the address the view was sent to is
// what is checked.
TEST_F(ArchiveBrowser, DiaryRootShowsTheIndexPageOnceABackupHasWrittenIt) {
    const std::string index = folder_.Path() + "reader\\index.html";
    ASSERT_TRUE(platform::WriteFileAtomically(index, "<html></html>"));
    Select(Child(Root(0), {0})); // a year of diaries
    EXPECT_EQ(Status(), Gbk(u8"本地共有3篇日记，请从左侧日记列表栏选择日记开始浏览"));

    Select(Root(0));
    EXPECT_TRUE(ShowsPage());
    EXPECT_EQ(ControlText(main_, IDC_EXPLORER), index);

    Select(Root(1));
    EXPECT_EQ(Status(), Gbk(u8"本地共有2条迷你日记，请从左侧迷你日记列表栏按月浏览"));
    EXPECT_TRUE(ControlVisible(main_, IDC_STATUS));
}

TEST_F(ArchiveBrowser, PageButtonsStepToTheNearestItemWithoutChildren) {
    Select(Root(0));
    const HTREEITEM expected[] = {Child(Root(0), {0, 0, 0}), Child(Root(0), {0, 0, 1}), Child(Root(0), {1, 0, 0}),
                                  Child(Root(1), {0, 0}), Child(Root(1), {0, 1})};
    for (HTREEITEM item : expected) {
        PostClick(main_, IDC_NEXT_PAGE);
        EXPECT_TRUE(WaitUntil([&] { return Selected() == item; }, 5000)) << Text(Selected());
    }
    PostClick(main_, IDC_NEXT_PAGE); // the walk runs out: nothing changes
    PostClick(main_, IDC_PREV_PAGE);
    EXPECT_TRUE(WaitUntil([&] { return Selected() == expected[3]; }, 5000)) << Text(Selected());

    Select(expected[0]);
    PostClick(main_, IDC_PREV_PAGE);
    PostClick(main_, IDC_NEXT_PAGE);
    EXPECT_TRUE(WaitUntil([&] { return Selected() == expected[1]; }, 5000)) << Text(Selected());
}

} // namespace
} // namespace nook::test
