// The skin at work: a dialog laid out like the program's main window, with its frame,
// buttons, panel frames, tree and status line, saved as a screenshot; and the labels.
#include "dialogs/SkinResources.h"
#include "framework/Dialog.h"
#include "framework/GdiHandles.h"
#include "res/resource.h"
#include "skin/LinkLabel.h"
#include "skin/SkinButton.h"
#include "skin/SkinColours.h"
#include "skin/SkinDialog.h"
#include "skin/SkinFrame.h"
#include "tests/skin/SkinTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using nook::CSkinButton;

constexpr COLORREF kActionKey = RGB(236, 236, 236);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class ShowcaseDialog : public nook::CSkinDialog {
  public:
    ShowcaseDialog() : CSkinDialog(IDD_NOOKBACKUP_DIALOG, nook::kMainWindowSkin) {}

  protected:
    bool OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        SetWindowPos(Hwnd(), HWND_TOPMOST, 60, 40, 800, 600, SWP_NOACTIVATE);
        POINT origin{0, 0};
        ClientToScreen(Hwnd(), &origin);
        RECT window;
        GetWindowRect(Hwnd(), &window);
        offset_ = {origin.x - window.left, origin.y - window.top};

        struct ButtonSetup {
            int id, hover, normal;
            COLORREF key;
            int x, y, w, h;
        };
        const ButtonSetup buttons[] = {
            {IDC_LOGIN_INACTIVE, IDB_LOGIN_INACTIVE, CSkinButton::kNoImage, kActionKey, 40, 29, 52, 52},
            {IDC_BACKUP, IDB_BACKUP_HOVER, IDB_BACKUP, kActionKey, 120, 29, 52, 52},
            {IDC_REFRESH, IDB_REFRESH_HOVER, IDB_REFRESH, kActionKey, 200, 29, 52, 52},
            {IDC_BANNER, IDB_BANNER, CSkinButton::kNoImage, nook::kMagenta, 590, 32, 200, 50},
            {IDC_HOME_LINK, IDB_HOME_LINK_HOVER, IDB_HOME_LINK, kBlack, 621, 580, 92, 11},
            {IDC_FORUM_LINK, IDB_FORUM_LINK_HOVER, IDB_FORUM_LINK, kBlack, 742, 578, 48, 13},
            {IDC_PREV_PAGE, IDB_PREV_PAGE_HOVER, IDB_PREV_PAGE, kBlack, 620, 533, 36, 33},
            {IDC_NEXT_PAGE, IDB_NEXT_PAGE_HOVER, IDB_NEXT_PAGE, kBlack, 680, 533, 36, 33},
            {IDC_DECO_SIGNATURE, IDB_DECO_SIGNATURE, CSkinButton::kNoImage, nook::kMagenta, 10, 576, 91, 17},
            {IDC_DECO_HOME, IDB_DECO_HOME, CSkinButton::kNoImage, nook::kMagenta, 603, 576, 16, 16},
            {IDC_DECO_FORUM, IDB_DECO_FORUM, CSkinButton::kNoImage, nook::kMagenta, 725, 576, 14, 17},
        };
        for (size_t i = 0; i < std::size(buttons); ++i) {
            const ButtonSetup& b = buttons[i];
            CSkinButton& button = buttons_[i];
            button.SubclassDlgItem(b.id, Hwnd());
            Place(b.id, b.x, b.y, b.w, b.h);
            ShowWindow(button.Hwnd(), SW_SHOWNA);
            button.SetBitmaps(b.hover, b.key, b.normal, b.key);
            button.SetTransparent(false);
        }
        ShowWindow(GetDlgItem(Hwnd(), IDC_LOGIN), SW_HIDE);
        ShowWindow(GetDlgItem(Hwnd(), IDC_BACKUP_INACTIVE), SW_HIDE);
        ShowWindow(GetDlgItem(Hwnd(), IDC_REFRESH_INACTIVE), SW_HIDE);
        ShowWindow(GetDlgItem(Hwnd(), IDC_EXPLORER), SW_HIDE);

        workFrame_.SubclassDlgItem(IDC_WORK_FRAME, Hwnd());
        pageFrame_.SubclassDlgItem(IDC_PAGE_FRAME, Hwnd());
        treeFrame_.SubclassDlgItem(IDC_TREE_FRAME, Hwnd());
        for (nook::CSkinFrame* frame : {&workFrame_, &pageFrame_})
            frame->SetBitmaps(IDB_PANEL_TOP_LEFT, IDB_PANEL_TOP, IDB_PANEL_TOP_RIGHT, IDB_PANEL_LEFT,
                              IDB_PANEL_RIGHT, IDB_PANEL_BOTTOM_LEFT, IDB_PANEL_BOTTOM,
                              IDB_PANEL_BOTTOM_RIGHT);
        treeFrame_.SetBitmaps(IDB_TREE_FRAME_TOP_LEFT, IDB_TREE_FRAME_TOP, IDB_TREE_FRAME_TOP_RIGHT,
                              IDB_TREE_FRAME_LEFT, IDB_TREE_FRAME_RIGHT, IDB_TREE_FRAME_BOTTOM_LEFT,
                              IDB_TREE_FRAME_BOTTOM, IDB_TREE_FRAME_BOTTOM_RIGHT);
        workFrame_.PlaceAround(10 - offset_.x, 90 - offset_.y, 780, 480);
        pageFrame_.PlaceAround(208 - offset_.x, 118 - offset_.y, 564, 404);
        treeFrame_.PlaceAround(27 - offset_.x, 137 - offset_.y, 156, 383);

        Place(IDC_ARCHIVE_TREE, 27, 137, 156, 383);
        FillTree();
        Place(IDC_STATUS, 200, 300, 580, 12);
        // "本地共有3篇日记，请从左侧日记列表栏选择日记开始浏览"
        SetDlgItemTextW(
            Hwnd(), IDC_STATUS,
            L"\u672c\u5730\u5171\u67093\u7bc7\u65e5\u8bb0\uff0c\u8bf7\u4ece\u5de6\u4fa7\u65e5\u8bb0"
            L"\u5217\u8868\u680f\u9009\u62e9\u65e5\u8bb0\u5f00\u59cb\u6d4f\u89c8");
        return true;
    }

    void DrawBackground(HDC dc) override { BackgroundBitmap().Draw(dc, -offset_.x, -offset_.y); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLOREDIT) {
            LRESULT brush = CSkinDialog::WindowProc(msg, wParam, lParam);
            auto control = reinterpret_cast<HWND>(lParam);
            if (GetWindowLongPtrW(control, GWL_STYLE) & 0xF)
                return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
            return brush;
        }
        return CSkinDialog::WindowProc(msg, wParam, lParam);
    }

  private:
    void Place(int id, int x, int y, int w, int h) {
        SetWindowPos(GetDlgItem(Hwnd(), id), nullptr, x - offset_.x, y - offset_.y, w, h,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void FillTree() {
        HWND tree = GetDlgItem(Hwnd(), IDC_ARCHIVE_TREE);
        images_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 8, 1);
        for (int id : {IDI_TREE_DIARY_ROOT, IDI_TREE_DIARY_ROOT_OPEN, IDI_TREE_DATE, IDI_TREE_DATE_OPEN,
                       IDI_TREE_DIARY, IDI_TREE_DIARY_OPEN, IDI_TREE_MINI_ROOT, IDI_TREE_MINI_ROOT_OPEN}) {
            nook::CIconHandle icon(static_cast<HICON>(
                LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0)));
            ImageList_AddIcon(images_, icon.Get());
        }
        TreeView_SetImageList(tree, images_, TVSIL_NORMAL);
        auto add = [&](HTREEITEM parent, const wchar_t* text, int image) {
            TVINSERTSTRUCTW insert{};
            insert.hParent = parent;
            insert.hInsertAfter = TVI_LAST;
            insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
            insert.item.pszText = const_cast<wchar_t*>(text);
            insert.item.iImage = image;
            insert.item.iSelectedImage = image + 1;
            return reinterpret_cast<HTREEITEM>(
                SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
        };
        HTREEITEM diaries = add(TVI_ROOT, L"\u6211\u7684\u65e5\u8bb0", 0);
        HTREEITEM year = add(diaries, L"2008\u5e74", 2);
        HTREEITEM month = add(year, L"3\u6708", 2);
        add(month, L"\u6625\u5929\u7684\u7b2c\u4e00\u6b21\u90ca\u6e38", 4);
        add(month, L"\u5b9d\u5b9d\u4f1a\u53eb\u5988\u5988\u4e86", 4);
        HTREEITEM april = add(year, L"4\u6708", 2);
        add(april, L"\u6e05\u660e\u56de\u8001\u5bb6", 4);
        HTREEITEM minis = add(TVI_ROOT, L"\u6211\u7684\u8ff7\u4f60\u65e5\u8bb0", 6);
        add(add(minis, L"2008\u5e74", 2), L"3\u6708", 2);
        for (HTREEITEM item : {diaries, year, month, april, minis})
            TreeView_Expand(tree, item, TVE_EXPAND);
    }

    POINT offset_{};
    CSkinButton buttons_[11];
    nook::CSkinFrame workFrame_, pageFrame_, treeFrame_;
    HIMAGELIST images_ = nullptr;

  public:
    ~ShowcaseDialog() override {
        if (images_) ImageList_Destroy(images_);
    }
};

TEST(SkinShowcase, MainWindowLayoutScreenshot) {
    ShowcaseDialog dialog;
    ASSERT_TRUE(dialog.Create());
    nook::test::PumpMessages(300);
    RedrawWindow(dialog.Hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    nook::test::PumpMessages(200);
    EXPECT_FALSE(nook::test::SaveScreenshot(dialog.Hwnd(), "skin_main").empty());
}

TEST(SkinFrame, PlaceAroundMakesTheRectangleItsInterior) {
    nook::CDialog dialog{IDD_NOOKBACKUP_DIALOG};
    ASSERT_TRUE(dialog.Create());
    nook::CSkinFrame frame;
    ASSERT_TRUE(frame.SubclassDlgItem(IDC_TREE_FRAME, dialog.Hwnd()));
    ASSERT_TRUE(frame.SetBitmaps(IDB_TREE_FRAME_TOP_LEFT, IDB_TREE_FRAME_TOP, IDB_TREE_FRAME_TOP_RIGHT,
                                 IDB_TREE_FRAME_LEFT, IDB_TREE_FRAME_RIGHT, IDB_TREE_FRAME_BOTTOM_LEFT,
                                 IDB_TREE_FRAME_BOTTOM, IDB_TREE_FRAME_BOTTOM_RIGHT));
    frame.PlaceAround(27, 137, 156, 383);
    RECT rect;
    GetWindowRect(frame.Hwnd(), &rect);
    MapWindowPoints(nullptr, dialog.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    // Left piece 7 wide, right 13, top 27 high, bottom 16.
    RECT expected{20, 110, 196, 536};
    EXPECT_TRUE(EqualRect(&rect, &expected));
    EXPECT_FALSE(frame.SetBitmaps(IDB_TREE_FRAME_TOP_LEFT, 9999, IDB_TREE_FRAME_TOP_RIGHT,
                                  IDB_TREE_FRAME_LEFT, IDB_TREE_FRAME_RIGHT, IDB_TREE_FRAME_BOTTOM_LEFT,
                                  IDB_TREE_FRAME_BOTTOM, IDB_TREE_FRAME_BOTTOM_RIGHT));
}

TEST(LinkLabel, AttachingMakesANotifyingLabelSizedToItsText) {
    nook::CDialog dialog{IDD_LOGIN};
    ASSERT_TRUE(dialog.Create());
    HWND control = GetDlgItem(dialog.Hwnd(), IDC_FORGOT_PASSWORD);
    SetWindowPos(control, nullptr, 239, 177, 120, 30, SWP_NOZORDER);
    nook::CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(IDC_FORGOT_PASSWORD, dialog.Hwnd()));
    EXPECT_TRUE(GetWindowLongPtrW(control, GWL_STYLE) & SS_NOTIFY);
    EXPECT_EQ(label.LinkText(), "\xcd\xfc\xbc\xc7\xc3\xdc\xc2\xeb\xa3\xbf"); // "忘记密码？"
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 239);                         // left aligned: the left edge stays
    EXPECT_LT(rect.right - rect.left, 120);            // shrunk to the text
    EXPECT_EQ((rect.top + rect.bottom) / 2, 177 + 15); // vertically centred where it was
}

TEST(LinkLabel, HoverEndsSoonAfterThePointerLeavesWithoutAnyMouseMessage) {
    nook::CDialog dialog{IDD_LOGIN};
    ASSERT_TRUE(dialog.Create());
    nook::CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(IDC_FORGOT_PASSWORD, dialog.Hwnd()));
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    SendMessageW(label.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_TRUE(label.IsHovered());
    nook::test::PumpMessages(400);
    EXPECT_FALSE(label.IsHovered());
}

} // namespace
