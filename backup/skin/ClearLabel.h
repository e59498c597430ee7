#pragma once

#include "skin/PaintedWindow.h"

namespace nook {

// A static control that paints its text over whatever lies behind it.
class CClearLabel : public CPaintedWindow {
  public:
    // Off: a white box behind the text.
    void SetTransparent(bool transparent);

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

  private:
    UINT TextFlags() const;

    bool transparent_ = true;
};

} // namespace nook
