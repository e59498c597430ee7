#pragma once

#include "framework/UserHandles.h"

#include <windows.h>

namespace nook {

// The menu a skinned button drops down when clicked: the first submenu of a menu
// resource, below the button. The chosen command goes to the menu's owner.
class CButtonMenu {
  public:
    // Menu resource `menuId` of `module` (the program when null) in place of the one
    // before; false when it cannot be loaded.
    bool Load(int menuId, HWND owner, HINSTANCE module);
    // `message` is sent to `window` with the menu as wParam before the menu opens.
    void SetCallback(HWND window, UINT message);

    explicit operator bool() const { return static_cast<bool>(menu_); }

    // Shows the menu below `button` until it is closed, then posts the chosen command.
    void Open(HWND button) const;

  private:
    CMenuHandle menu_;
    HWND owner_ = nullptr;          // not owned
    HWND callbackWindow_ = nullptr; // not owned
    UINT callbackMessage_ = 0;
};

} // namespace nook
