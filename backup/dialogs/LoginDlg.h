// The login window: user name, password and "自动登录", on the login bitmap. It checks
// only that neither entry is blank; the caller turns the entries into the stored digest.
#pragma once

#include "skin/LinkLabel.h"
#include "skin/SkinButton.h"
#include "skin/TitledBitmapDialog.h"

#include <string>

namespace nook {

class CLoginDlg final : public CTitledBitmapDialog {
public:
    CLoginDlg();

    // Before DoModal: the user name and the remember-me flag shown. The password field
    // starts empty every time, so a remembered password is never shown.
    void SetUserName(std::string userName) { userName_ = std::move(userName); }
    void SetRememberMe(int rememberMe) { rememberMe_ = rememberMe; }

    // After IDOK: the entries without leading and trailing blanks (code page 936), and
    // the check box (0 or 1).
    const std::string& UserName() const { return userName_; }
    const std::string& Password() const { return password_; }
    int RememberMe() const { return rememberMe_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    void DoDataExchange(CDataExchange& exchange) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void LogIn();
    // The template opens at its owner's corner; the window belongs in the middle of it.
    void CentreOnOwner();

    std::string userName_;
    std::string password_;
    int rememberMe_ = 0;
    CSkinButton loginButton_, closeButton_;
    CLinkLabel homeLabel_, forgotPasswordLabel_;
};

} // namespace nook
