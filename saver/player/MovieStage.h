// The stage: a window that stands in for the Flash player where the player is not
// installed (it no longer is on current systems). It offers the same members and does
// what the supplied movies do: it fills the background colour, lets the player's title
// (the plug-in's name) and the movie's file name drift slowly across it, and, once a
// movie is loaded and unless it plays in a preview, sends "app.exit" on a key press, a
// click or a mouse movement of more than a few pixels.
#pragma once

#include "framework/GdiHandles.h"
#include "framework/Window.h"
#include "framework/WindowTimer.h"
#include "player/MovieControl.h"

#include <string>

namespace nook {

class CMovieStage final : public CWindow, public IMovieControl {
  public:
    // `events` (not owned) receives "app.exit".
    explicit CMovieStage(IMovieEvents& events) : events_(events) {}

    // Takes the place, id and visibility of the dialog's placeholder control. A dialog
    // that is a child window plays in a preview.
    bool CreateInPlaceOf(HWND dialog, int placeholderId);

    HWND ControlWindow() const override { return Hwnd(); }
    void SetBackgroundColor(long colour) override;
    void LoadMovie(long layer, const std::string& address) override;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc, const RECT& client);
    void MakeFonts(int clientHeight);
    void OnPointer(POINT point);
    void Leave();

    IMovieEvents& events_;
    COLORREF background_ = RGB(0, 0, 0);
    std::string movieName_;
    bool inPreview_ = false;
    bool answersInput_ = false;
    bool pointerSeen_ = false;
    POINT firstPointer_{};
    ULONGLONG startTick_ = 0;
    CWindowTimer timer_;
    CFontHandle titleFont_;
    CFontHandle movieFont_;
};

} // namespace nook
