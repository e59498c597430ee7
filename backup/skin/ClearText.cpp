#include "skin/ClearText.h"

#include "framework/GdiHandles.h"

namespace nook {

HGDIOBJ ControlFont(HWND control) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    return font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT);
}

void DrawClearText(HDC dc, HGDIOBJ font, std::wstring_view text, RECT rect, UINT format, COLORREF colour) {
    CSelectObject selectFont(dc, font);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

} // namespace nook
