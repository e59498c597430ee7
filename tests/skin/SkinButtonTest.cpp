#include "tests/skin/SkinTestMenu.h"
#include "framework/Dialog.h"
#include "framework/GdiHandles.h"
#include "res/resource.h"
#include "skin/ImageCopies.h"
#include "skin/SkinButton.h"
#include "tests/skin/SkinTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using nook::CBitmapPixels;
using nook::CSkinButton;

constexpr COLORREF kBlackKey = RGB(0, 0, 0);
constexpr COLORREF kFace = RGB(1, 2, 3);
constexpr int kWidth = 70, kHeight = 35; // around a 62 x 27 image, centred at (4, 4)

// The login dialog: a default push button and a check box to dress as skinned buttons.
class ButtonDialog : public nook::CDialog {
  public:
    ButtonDialog() : CDialog(IDD_LOGIN) {}
    std::vector<WPARAM> commands;
    std::vector<WPARAM> menuCallbacks;
    static constexpr UINT kMenuCallback = WM_APP + 7;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == kMenuCallback) menuCallbacks.push_back(wParam);
        return CDialog::WindowProc(msg, wParam, lParam);
    }
    bool OnCommand(int id, int code, HWND) override {
        if (code == BN_CLICKED) commands.push_back(static_cast<WPARAM>(id));
        return true;
    }
};

class SkinButtonTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create());
        for (int id : {IDC_LOGIN_SUBMIT, IDC_REMEMBER})
            SetWindowPos(GetDlgItem(dialog.Hwnd(), id), nullptr, 0, 0, kWidth, kHeight,
                         SWP_NOMOVE | SWP_NOZORDER);
        ASSERT_TRUE(push.SubclassDlgItem(IDC_LOGIN_SUBMIT, dialog.Hwnd()));
        ASSERT_TRUE(check.SubclassDlgItem(IDC_REMEMBER, dialog.Hwnd()));
        SetWindowTextW(check.Hwnd(), L""); // image only
        for (CSkinButton* b : {&push, &check}) {
            b->SetColour(CSkinButton::kBackNormal, kFace, false);
            b->SetColour(CSkinButton::kBackHover, kFace, false);
            b->SetColour(CSkinButton::kBackFocus, kFace, false);
            b->SetDrawBorder(false, false);
        }
    }

    // What the button draws for `state`, through the parent's WM_DRAWITEM.
    CBitmapPixels Draw(CSkinButton& button, UINT state) {
        int id = GetDlgCtrlID(button.Hwnd());
        return nook::test::Render(kWidth, kHeight, [&](HDC dc) {
            DRAWITEMSTRUCT item{ODT_BUTTON, static_cast<UINT>(id),   0, ODA_DRAWENTIRE, state, button.Hwnd(),
                                dc,         {0, 0, kWidth, kHeight}, 0};
            SendMessageW(dialog.Hwnd(), WM_DRAWITEM, static_cast<WPARAM>(id),
                         reinterpret_cast<LPARAM>(&item));
        });
    }

    ButtonDialog dialog;
    CSkinButton push, check;
};

CBitmapPixels ResourcePixels(int id, bool grey = false) {
    nook::CBitmapHandle bitmap(static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (grey) bitmap.Reset(nook::MakeGreyCopy(bitmap.Get(), kBlackKey));
    CBitmapPixels pixels;
    pixels.Read(bitmap.Get());
    return pixels;
}

// Counts pixels of the drawing that differ from `image` placed at (x, y): the image's
// own colour where it is opaque, the face colour where it is keyed out or absent.
int Mismatches(const CBitmapPixels& drawn, const CBitmapPixels& image, int x, int y) {
    int wrong = 0;
    for (int py = 0; py < kHeight; ++py) {
        for (int px = 0; px < kWidth; ++px) {
            const int ix = px - x, iy = py - y;
            const bool inImage = ix >= 0 && iy >= 0 && ix < image.width && iy < image.height;
            const uint32_t source = inImage ? image.At(ix, iy) : 0;
            const uint32_t expected = inImage && source != 0 ? source : nook::PixelOf(kFace);
            wrong += drawn.At(px, py) != expected;
        }
    }
    return wrong;
}

struct ImageCase {
    const char* name;
    bool checkBox;
    int hover, normal;
    bool checked;
    UINT state;
    int expectedImage; // resource drawn; kGreyCopy: grey copy of the hover image
    int offset;        // 4, or 5 where the press moves the image by (1, 1)
};

void PrintTo(const ImageCase& c, std::ostream* os) {
    *os << c.name;
}

const ImageCase kImageCases[] = {
    {"IdleShowsTheNormalImageOverTheFaceColour", false, IDB_OK_HOVER, IDB_OK, false, 0, IDB_OK, 4},
    {"PressedShowsTheHoverImageMovedByTheOffset", false, IDB_OK_HOVER, IDB_OK, false, ODS_SELECTED,
     IDB_OK_HOVER, 5},
    {"OnlyAHoverImageShowsItWhenIdle", false, IDB_OK_HOVER, CSkinButton::kNoImage, false, 0, IDB_OK_HOVER, 4},
    {"GreyCopyStandsInForTheNormalImage", false, IDB_OK_HOVER, CSkinButton::kGreyCopy, false, 0,
     CSkinButton::kGreyCopy, 4},
    {"IdleCheckBoxShowsTheNormalImage", true, IDB_OK_HOVER, IDB_OK, false, 0, IDB_OK, 4},
    {"CheckedCheckBoxShowsTheHoverImageInPlace", true, IDB_OK_HOVER, IDB_OK, true, 0, IDB_OK_HOVER, 4},
};

class SkinButtonImageTest : public SkinButtonTest, public testing::WithParamInterface<ImageCase> {};

TEST_P(SkinButtonImageTest, DrawsTheImageOfItsStateThroughItsMask) {
    const ImageCase& c = GetParam();
    CSkinButton& button = c.checkBox ? check : push;
    ASSERT_EQ(button.SetBitmaps(c.hover, kBlackKey, c.normal, kBlackKey), 0);
    if (c.checked) SendMessageW(button.Hwnd(), BM_SETCHECK, BST_CHECKED, 0);
    CBitmapPixels image = c.expectedImage == CSkinButton::kGreyCopy ? ResourcePixels(c.hover, true)
                                                                    : ResourcePixels(c.expectedImage);
    ASSERT_EQ(image.width, 62);
    EXPECT_EQ(Mismatches(Draw(button, c.state), image, c.offset, c.offset), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, SkinButtonImageTest, testing::ValuesIn(kImageCases),
                         [](const testing::TestParamInfo<ImageCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SkinButtonTest, ImageThatCannotBeReadReleasesAllImages) {
    ASSERT_EQ(push.SetBitmaps(IDB_OK_HOVER, kBlackKey, IDB_OK, kBlackKey), 0);
    EXPECT_EQ(push.SetBitmaps(IDB_OK_HOVER, kBlackKey, 9999, kBlackKey), 1);
    EXPECT_EQ(Mismatches(Draw(push, 0), CBitmapPixels{}, 0, 0), 0);
    EXPECT_EQ(push.SetBitmaps(CSkinButton::kNoImage, kBlackKey, CSkinButton::kGreyCopy, kBlackKey), 1);
}

TEST_F(SkinButtonTest, DefaultButtonFlagFollowsTheStyle) {
    EXPECT_EQ(GetWindowLongPtrW(push.Hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_TRUE(SendMessageW(push.Hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    SendMessageW(push.Hwnd(), BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
    EXPECT_TRUE(SendMessageW(push.Hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrW(push.Hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(SkinButtonTest, CheckBoxKeepsItsStateAndAClickTogglesIt) {
    EXPECT_TRUE(check.IsCheckBox());
    EXPECT_FALSE(push.IsCheckBox());
    SendMessageW(check.Hwnd(), BM_SETCHECK, BST_INDETERMINATE, 0); // 2 counts as checked
    EXPECT_EQ(SendMessageW(check.Hwnd(), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(check.Hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(check.Hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // The dialog hears of the click as well.
    EXPECT_EQ(dialog.commands, (std::vector<WPARAM>{IDC_REMEMBER}));
}

TEST_F(SkinButtonTest, TooltipIsMadeOnceAndItsTextChanged) {
    push.SetTooltipText("\xb5\xc7\xc2\xbc"); // "登录"
    push.SetTooltipText("\xb1\xb8\xb7\xdd"); // "备份"
    std::vector<HWND> tips;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM found) {
            wchar_t name[64] = {};
            GetClassNameW(hwnd, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0)
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(GetWindow(tips[0], GW_OWNER), dialog.Hwnd()); // a popup's owner is top-level
    EXPECT_EQ(SendMessageW(tips[0], TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[32] = {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = push.Hwnd();
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageW(tips[0], TTM_GETTEXTW, 32, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"\u5907\u4efd");
}

TEST_F(SkinButtonTest, DismissedMenuPostsNoCommand) {
    ASSERT_TRUE(push.SetMenu(IDM_TEST_MENU, dialog.Hwnd()));
    push.SetMenuCallback(dialog.Hwnd(), ButtonDialog::kMenuCallback);
    // Closes the menu from inside its own message loop.
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        EndMenu();
    });
    SendMessageW(push.Hwnd(), BM_CLICK, 0, 0);
    nook::test::PumpMessages(100);
    EXPECT_EQ(dialog.menuCallbacks.size(), 1u);
    // Only the click itself reached the dialog, no menu command.
    EXPECT_EQ(dialog.commands, (std::vector<WPARAM>{IDC_LOGIN_SUBMIT}));
}

} // namespace
