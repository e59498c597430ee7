#pragma once

#include <windows.h>

#include <string_view>

namespace nook {

// The tooltip of one control: one tool covering the control's client area, fed with
// the control's mouse messages. The tooltip window is owned by the control's top-level
// window and goes with it.
class CTooltip {
  public:
    // `maxWidth` in pixels, 0 for no limit.
    bool Create(HWND control, int maxWidth = 0);
    // Adds the tool or changes its text (code page 936).
    void SetText(std::string_view text);
    void Activate(bool active);
    // Call with every message of the control before handling it.
    void Relay(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    HWND control_ = nullptr;
    HWND tooltip_ = nullptr;
    bool hasTool_ = false;
};

} // namespace nook
