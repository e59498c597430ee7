#include "skin/ButtonMenu.h"

namespace nook {

bool CButtonMenu::Load(int menuId, HWND owner, HINSTANCE module) {
    menu_.Reset(LoadMenuW(module ? module : GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId)));
    owner_ = owner;
    return static_cast<bool>(menu_);
}

void CButtonMenu::SetCallback(HWND window, UINT message) {
    callbackWindow_ = window;
    callbackMessage_ = message;
}

void CButtonMenu::Open(HWND button) const {
    if (callbackWindow_ && callbackMessage_)
        SendMessageW(callbackWindow_, callbackMessage_, reinterpret_cast<WPARAM>(menu_.Get()), 0);
    RECT rect;
    GetWindowRect(button, &rect);
    UINT command = TrackPopupMenuEx(GetSubMenu(menu_.Get(), 0),
                                    TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, rect.left,
                                    rect.bottom, button, nullptr);
    if (command != 0 && owner_) PostMessageW(owner_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

} // namespace nook
