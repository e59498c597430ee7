// The Flash player ActiveX control, through its automation interface.
#pragma once

#include "framework/ActiveXHost.h"
#include "player/MovieControl.h"

namespace nook {

class CShockwaveflash final : public CActiveXHost, public IMovieControl {
  public:
    // `events` (not owned) receives FSCommand.
    explicit CShockwaveflash(IMovieEvents& events) : events_(events) {}

    // Creates the control in place of the dialog's placeholder control; fails when the
    // player is not installed. The control starts with its own defaults (window mode
    // "Window", quality "High", scale "ShowAll", network access "all", no full screen).
    HRESULT CreateInPlaceOf(HWND dialog, int placeholderId);

    HWND ControlWindow() const override { return Hwnd(); }
    void SetBackgroundColor(long colour) override;
    void LoadMovie(long layer, const std::string& address) override;

  protected:
    void OnEvent(DISPID id, DISPPARAMS& params) override;

  private:
    IMovieEvents& events_;
};

} // namespace nook
