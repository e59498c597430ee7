#pragma once

#include "framework/GdiHandles.h"

#include <windows.h>

namespace nook {

// A copy of the parent's pixels under a control, drawn as the control's background so
// that the control looks transparent.
class CParentBackdrop {
  public:
    // Forgets the copy; the next Draw takes a new one.
    void Reset() { copy_.Reset(); }
    // Takes a new copy of the area under `control` from `parentDc`.
    void Refresh(HWND control, HDC parentDc);
    // Draws the copy into `area` of `dc`, taking one from the parent's window first when
    // there is none.
    void Draw(HWND control, HDC dc, const RECT& area);

  private:
    CBitmapHandle copy_;
};

} // namespace nook
