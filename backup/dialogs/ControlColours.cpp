#include "dialogs/ControlColours.h"

namespace nook {

bool IsControlColourMessage(UINT msg) { return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC; }

LRESULT ControlBrush(HDC dc, HWND control, LRESULT defaultBrush) {
    if (!control || (GetWindowLongPtrW(control, GWL_STYLE) & 0x0F) == 0) return defaultBrush;
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

} // namespace nook
