#pragma once

#include "framework/Window.h"

namespace nook {

// A static control that paints its text over whatever lies behind it.
class CClearLabel : public CWindow {
  public:
    // Off: a white box behind the text.
    void SetTransparent(bool transparent);

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc);
    UINT TextFlags() const;

    bool transparent_ = true;
};

} // namespace nook
