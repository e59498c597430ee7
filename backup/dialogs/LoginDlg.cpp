#include "dialogs/LoginDlg.h"

#include "dialogs/ControlColours.h"
#include "dialogs/SkinResources.h"
#include "dialogs/WebLinks.h"
#include "dialogs/flow/ArchivistDlgTexts.h"
#include "framework/ShellOpen.h"
#include "res/resource.h"
#include "skin/NotifyDialog.h"
#include "util/MbcsText.h"

namespace nook {

namespace {

constexpr COLORREF kButtonKey = RGB(0, 0, 0);
const char kLoginTitle[] = "\xb5\xc7\xc2\xbc";                                                       // 登录
const char kEmptyEntryText[] = "\xd3\xc3\xbb\xa7\xc3\xfb\xba\xcd\xc3\xdc\xc2\xeb\xb2\xbb\xc4\xdc\xce\xaa\xbf\xd5!"; // 用户名和密码不能为空!

struct Place {
    int id;
    int x, y, width, height;
};

// Pixel places on the login bitmap.
const Place kPlaces[] = {
    {IDC_USER_NAME, 88, 142, 140, 16},       {IDC_PASSWORD, 88, 177, 140, 16},
    {IDC_REMEMBER, 132, 208, 64, 14},        {IDC_LOGIN_SUBMIT, 130, 239, 62, 30},
    {IDC_CLOSE, 291, 3, 26, 17},             {IDC_HOME_LABEL, 111, 101, 50, 12},
    {IDC_FORGOT_PASSWORD, 239, 177, 60, 12},
};

} // namespace

CLoginDlg::CLoginDlg() : CTitledBitmapDialog(IDD_LOGIN, IDB_LOGIN_BACKGROUND) { SetTitle(kLoginTitle); }

bool CLoginDlg::OnInitDialog() {
    CTitledBitmapDialog::OnInitDialog();
    loginButton_.SubclassDlgItem(IDC_LOGIN_SUBMIT, Hwnd());
    closeButton_.SubclassDlgItem(IDC_CLOSE, Hwnd());
    loginButton_.SetBitmaps(IDB_LOGIN_SUBMIT_HOVER, kButtonKey, IDB_LOGIN_SUBMIT, kButtonKey);
    closeButton_.SetBitmaps(IDB_CAPTION_CLOSE_HOVER, kButtonKey, IDB_CAPTION_CLOSE, kButtonKey);
    for (const Place& place : kPlaces) {
        if (HWND control = GetDlgItem(Hwnd(), place.id))
            MoveWindow(control, place.x, place.y, place.width, place.height, FALSE);
    }
    // A link label fits itself to its text where it stands, so it is bound once placed.
    homeLabel_.SubclassDlgItem(IDC_HOME_LABEL, Hwnd());
    forgotPasswordLabel_.SubclassDlgItem(IDC_FORGOT_PASSWORD, Hwnd());

    CentreOnOwner();
    password_.clear();
    UpdateData(false);
    return true;
}

void CLoginDlg::CentreOnOwner() {
    RECT area;
    HWND owner = GetWindow(Hwnd(), GW_OWNER);
    if (!owner || !IsWindowVisible(owner) || IsIconic(owner) || !GetWindowRect(owner, &area))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT window;
    GetWindowRect(Hwnd(), &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    SetWindowPos(Hwnd(), nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLoginDlg::DoDataExchange(CDataExchange& exchange) {
    exchange.Text(IDC_USER_NAME, userName_);
    exchange.Text(IDC_PASSWORD, password_);
    exchange.Check(IDC_REMEMBER, rememberMe_);
}

void CLoginDlg::LogIn() {
    UpdateData(true);
    const std::string userName = Trim(userName_);
    const std::string password = Trim(password_);
    if (userName.empty() || password.empty()) {
        CNotifyDialog notice(kNoticeSkin);
        notice.SetTitle(kNoticeTitle);
        notice.SetMessage(kEmptyEntryText);
        notice.SetMode(CNotifyDialog::kOk);
        notice.DoModal(Hwnd());
        return;
    }
    // Blanks typed around an entry would make another user's files and another digest.
    userName_ = userName;
    password_ = password;
    rememberMe_ = rememberMe_ != 0 ? 1 : 0;
    EndDialog(IDOK);
}

void CLoginDlg::OnOK() { LogIn(); }

bool CLoginDlg::OnCommand(int id, int code, HWND) {
    switch (id) {
    case IDC_LOGIN_SUBMIT:
        if (code == BN_CLICKED) LogIn();
        return true;
    case IDC_CLOSE:
        if (code == BN_CLICKED) EndDialog(IDCANCEL);
        return true;
    case IDC_HOME_LABEL:
        if (code == STN_CLICKED) ShellOpen(kHomePageAddress);
        return true;
    case IDC_FORGOT_PASSWORD:
        if (code == STN_CLICKED) ShellOpen(kFindPasswordAddress);
        return true;
    default:
        return false;
    }
}

LRESULT CLoginDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (IsControlColourMessage(msg)) {
        LRESULT brush = CTitledBitmapDialog::WindowProc(msg, wParam, lParam);
        return ControlBrush(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), brush);
    }
    return CTitledBitmapDialog::WindowProc(msg, wParam, lParam);
}

} // namespace nook
