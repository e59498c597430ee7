#include "tests/framework/TestDialogs.h"
#include "framework/Dialog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "张三的日记" in code page 936, and the same text as UTF-16.
const char kNameAnsi[] = "\xd5\xc5\xc8\xfd\xb5\xc4\xc8\xd5\xbc\xc7";
const wchar_t kNameWide[] = L"\u5f20\u4e09\u7684\u65e5\u8bb0";

class ExchangeDialog : public nook::CDialog {
  public:
    ExchangeDialog() : CDialog(IDD_EXCHANGE) {}
    std::string name;
    int remember = 0;
    bool withMissingControl = false;

  protected:
    void DoDataExchange(nook::CDataExchange& dx) override {
        dx.Text(IDC_NAME, name);
        dx.Check(IDC_REMEMBER, remember);
        if (withMissingControl) dx.Text(9999, name);
    }
};

std::wstring ControlText(HWND dialog, int id) {
    wchar_t buffer[256] = {};
    GetDlgItemTextW(dialog, id, buffer, 256);
    return buffer;
}

TEST(DialogDataExchange, LoadsCodePage936TextIntoControlsAsUnicode) {
    ExchangeDialog dialog;
    dialog.name = kNameAnsi;
    dialog.remember = 1;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(ControlText(dialog.Hwnd(), IDC_NAME), kNameWide);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Hwnd(), IDC_REMEMBER), BST_CHECKED);
}

TEST(DialogDataExchange, SavesControlsIntoMembersAsCodePage936) {
    ExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create());
    SetDlgItemTextW(dialog.Hwnd(), IDC_NAME, kNameWide);
    CheckDlgButton(dialog.Hwnd(), IDC_REMEMBER, BST_CHECKED);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.name, kNameAnsi);
    EXPECT_EQ(dialog.remember, 1);

    CheckDlgButton(dialog.Hwnd(), IDC_REMEMBER, BST_UNCHECKED);
    SetDlgItemTextW(dialog.Hwnd(), IDC_NAME, L"");
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.name, "");
    EXPECT_EQ(dialog.remember, 0);
}

TEST(DialogDataExchange, MissingControlFailsThePass) {
    ExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.withMissingControl = true;
    EXPECT_FALSE(dialog.UpdateData(true));
}

// A modal dialog that is driven by a message it posts to itself while opening.
class DrivenDialog : public ExchangeDialog {
  public:
    UINT postMsg = 0;
    WPARAM postWParam = 0;

  protected:
    bool OnInitDialog() override {
        ExchangeDialog::OnInitDialog();
        SetDlgItemTextW(Hwnd(), IDC_NAME, kNameWide);
        Post(postMsg, postWParam);
        return true;
    }
};

struct ModalCase {
    const char* name;
    UINT msg;
    WPARAM wParam;
    INT_PTR result;
    bool saved;
};

const ModalCase kModalCases[] = {
    {"OkSavesAndEndsWithIdOk", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), IDOK, true},
    {"CancelEndsWithIdCancelUnsaved", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), IDCANCEL, false},
    {"CloseEndsWithIdCancelUnsaved", WM_CLOSE, 0, IDCANCEL, false},
};

void PrintTo(const ModalCase& c, std::ostream* os) {
    *os << c.name;
}

class ModalDialogTest : public testing::TestWithParam<ModalCase> {};

TEST_P(ModalDialogTest, EndsWithResult) {
    DrivenDialog dialog;
    dialog.name = "before";
    dialog.postMsg = GetParam().msg;
    dialog.postWParam = GetParam().wParam;
    EXPECT_EQ(dialog.DoModal(), GetParam().result);
    EXPECT_EQ(dialog.name, GetParam().saved ? std::string(kNameAnsi) : std::string("before"));
    EXPECT_EQ(dialog.Hwnd(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, ModalDialogTest, testing::ValuesIn(kModalCases),
                         [](const testing::TestParamInfo<ModalCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ModalDialog, CanRunTwiceWithTheSameObject) {
    DrivenDialog dialog;
    dialog.postMsg = WM_COMMAND;
    dialog.postWParam = MAKEWPARAM(IDOK, BN_CLICKED);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

} // namespace
