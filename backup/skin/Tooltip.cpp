#include "skin/Tooltip.h"

#include "platform/win32/WideText.h"

#include <commctrl.h>
#include <windowsx.h>

namespace nook {

bool CTooltip::Create(HWND control, int maxWidth) {
    if (tooltip_) return true;
    tooltip_ = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, control, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return false;
    control_ = control;
    if (maxWidth > 0) SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    return true;
}

void CTooltip::SetText(std::string_view text) {
    if (!tooltip_) return;
    std::wstring wide = platform::ToWide(text);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE; // understood by every version of the common controls
    tool.hwnd = control_;
    tool.uId = 1;
    GetClientRect(control_, &tool.rect);
    tool.lpszText = wide.data();
    if (hasTool_) {
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        hasTool_ = SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
    }
}

void CTooltip::Activate(bool active) {
    if (tooltip_) SendMessageW(tooltip_, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void CTooltip::Relay(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!tooltip_ || msg < WM_MOUSEFIRST || msg > WM_MOUSELAST) return;
    MSG relayed{control_, msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    DWORD pos = GetMessagePos();
    relayed.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

} // namespace nook
