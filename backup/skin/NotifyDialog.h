// The program's message box: a small modal dialog on a bitmap with skinned buttons.
// Mode 1 has OK only, mode 2 OK and Cancel, mode 3 OK and Cancel and a ten-second
// countdown that ends the dialog by itself.
#pragma once

#include "framework/WindowTimer.h"
#include "skin/ButtonImageIds.h"
#include "skin/ClearLabel.h"
#include "skin/SkinButton.h"
#include "skin/TitledBitmapDialog.h"

#include <string>

namespace nook {

// The program's resources of the notice: its template (with IDOK, IDCANCEL and the three
// controls named here), its background and the images of its buttons.
struct NotifyDialogIds {
    int dialog;
    int background;
    int closeControl, messageControl, countdownControl;
    ButtonImageIds close, ok, cancel;
};

class CNotifyDialog : public CTitledBitmapDialog {
  public:
    enum Mode { kOk = 1, kOkCancel = 2, kCountdown = 3 };
    // Modal results besides IDOK (1) and IDCANCEL (2, also the close button).
    static constexpr INT_PTR kCountdownEnded = 101;
    static constexpr UINT_PTR kCountdownTimer = 1;
    static constexpr int kCountdownSeconds = 10;

    explicit CNotifyDialog(const NotifyDialogIds& ids);

    // Code page 936.
    void SetMessage(std::string message) { message_ = std::move(message); }
    void SetMode(int mode) { mode_ = mode; }

  protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void ShowCountdown();
    void Finish(INT_PTR result);

    const NotifyDialogIds ids_;
    std::string message_;
    int mode_ = kOk;
    int elapsed_ = 0;
    CWindowTimer timer_;
    CSkinButton closeButton_, okButton_, cancelButton_;
    CClearLabel messageLabel_, countdownLabel_;
};

} // namespace nook
