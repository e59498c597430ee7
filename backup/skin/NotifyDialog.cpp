#include "skin/NotifyDialog.h"

#include <cstdio>

namespace nook {

namespace {

constexpr COLORREF kButtonKey = RGB(0, 0, 0);
constexpr UINT kCountdownPeriodMs = 1000;

// Pixel places on the notice bitmap.
const RECT kCloseButton{290, 4, 290 + 26, 4 + 17};
const RECT kSingleOk{129, 150, 129 + 62, 150 + 27};
const RECT kPairOk{82, 150, 82 + 62, 150 + 27};
const RECT kPairCancel{176, 150, 176 + 62, 150 + 27};
// Inside the white message panel of the bitmap.
const RECT kMessageRect{24, 44, 296, 104};
const RECT kCountdownRect{24, 108, 296, 128};

void Place(HWND hwnd, const RECT& r) {
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetImages(CSkinButton& button, const ButtonImageIds& ids) {
    button.SetBitmaps(ids.hover, kButtonKey, ids.normal, kButtonKey);
}

} // namespace

CNotifyDialog::CNotifyDialog(const NotifyDialogIds& ids)
    : CTitledBitmapDialog(ids.dialog, ids.background), ids_(ids) {}

bool CNotifyDialog::OnInitDialog() {
    CTitledBitmapDialog::OnInitDialog();
    closeButton_.SubclassDlgItem(ids_.closeControl, Hwnd());
    okButton_.SubclassDlgItem(IDOK, Hwnd());
    cancelButton_.SubclassDlgItem(IDCANCEL, Hwnd());
    messageLabel_.SubclassDlgItem(ids_.messageControl, Hwnd());
    countdownLabel_.SubclassDlgItem(ids_.countdownControl, Hwnd());

    Place(closeButton_.Hwnd(), kCloseButton);
    SetImages(closeButton_, ids_.close);
    SetImages(okButton_, ids_.ok);
    // The rounded buttons stand on the bitmap, not on a grey box.
    okButton_.SetTransparent(false);
    cancelButton_.SetTransparent(false);
    if (mode_ == kOkCancel || mode_ == kCountdown) {
        Place(okButton_.Hwnd(), kPairOk);
        Place(cancelButton_.Hwnd(), kPairCancel);
        SetImages(cancelButton_, ids_.cancel);
    } else {
        Place(okButton_.Hwnd(), kSingleOk);
        ShowWindow(cancelButton_.Hwnd(), SW_HIDE);
    }

    Place(messageLabel_.Hwnd(), kMessageRect);
    Place(countdownLabel_.Hwnd(), kCountdownRect);
    messageLabel_.SetText(message_);
    if (mode_ == kCountdown) {
        timer_.Stop();
        timer_.Start(Hwnd(), kCountdownTimer, kCountdownPeriodMs);
        ShowCountdown();
    } else {
        countdownLabel_.SetText("");
    }
    return true;
}

void CNotifyDialog::ShowCountdown() {
    char text[64];
    // "将于%u秒后开始自动登录..."
    std::snprintf(text, sizeof(text),
                  "\xbd\xab\xd3\xda%u\xc3\xeb\xba\xf3\xbf\xaa\xca\xbc\xd7\xd4\xb6\xaf\xb5\xc7\xc2\xbc...",
                  static_cast<unsigned>(kCountdownSeconds - elapsed_));
    countdownLabel_.SetText(text);
}

void CNotifyDialog::Finish(INT_PTR result) {
    timer_.Stop();
    EndDialog(result);
}

bool CNotifyDialog::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        Finish(IDOK);
        return true;
    }
    if (id == IDCANCEL || id == ids_.closeControl) {
        Finish(IDCANCEL);
        return true;
    }
    return false;
}

LRESULT CNotifyDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kCountdownTimer) {
        ++elapsed_;
        // Past the end as well: a reopened dialog must not count on for ever.
        if (elapsed_ >= kCountdownSeconds) {
            Finish(kCountdownEnded);
        } else {
            ShowCountdown();
        }
        return 0;
    }
    return CTitledBitmapDialog::WindowProc(msg, wParam, lParam);
}

} // namespace nook
