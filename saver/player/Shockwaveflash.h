// The Flash player ActiveX control, through its automation interface.
#pragma once

#include "framework/ActiveXHost.h"
#include "player/MovieEvents.h"

#include <string>

namespace nook {

class CShockwaveflash final : public CActiveXHost {
  public:
    // `events` (not owned) receives FSCommand.
    explicit CShockwaveflash(IMovieEvents& events) : events_(events) {}

    // Creates the control in place of the dialog's placeholder control; fails when the
    // player is not installed. The control starts with its own defaults (window mode
    // "Window", quality "High", scale "ShowAll", network access "all", no full screen).
    HRESULT CreateInPlaceOf(HWND dialog, int placeholderId);

    // 0xRRGGBB.
    void SetBackgroundColor(long colour);
    void LoadMovie(long layer, const std::string& address);

  protected:
    void OnEvent(DISPID id, DISPPARAMS& params) override;

  private:
    IMovieEvents& events_;
};

} // namespace nook
