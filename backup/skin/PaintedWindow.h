// A control that paints all of itself: WM_PAINT goes to Paint with the paint context.
#pragma once

#include "framework/GdiHandles.h"
#include "framework/Window.h"

namespace nook {

class CPaintedWindow : public CWindow {
  protected:
    virtual void Paint(HDC dc) = 0;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != WM_PAINT) return CWindow::WindowProc(msg, wParam, lParam);
        CPaintDC dc(Hwnd());
        Paint(dc.Get());
        return 0;
    }
};

} // namespace nook
