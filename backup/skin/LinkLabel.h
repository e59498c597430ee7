#pragma once

#include "framework/GdiHandles.h"
#include "framework/WindowTimer.h"
#include "skin/PaintedWindow.h"
#include "skin/Tooltip.h"

#include <string>

namespace nook {

// A static control shown as a hyperlink: blue, red and underlined while the pointer is
// over it, with a hand cursor and a tooltip showing the link. Clicks reach the dialog
// as STN_CLICKED commands; opening the link is the dialog's business.
class CLinkLabel : public CPaintedWindow {
  public:
    // Before the control is attached; empty takes the window text.
    void SetLinkText(std::string linkText) { linkText_ = std::move(linkText); }
    const std::string& LinkText() const { return linkText_; }
    bool IsHovered() const { return hovered_; }

  protected:
    void OnSubclassed() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

  private:
    void MakeFonts();
    void FitToText();
    void LoadHandCursor();
    void AddTooltip();
    void SetHovered(bool hovered);

    std::string linkText_;
    CFontHandle font_, underlined_;
    bool hovered_ = false;
    CIconHandle cursor_; // a copy, so ours to destroy
    CTooltip tooltip_;
    CWindowTimer leaveTimer_;
};

} // namespace nook
