#include "skin/TransparentRepaint.h"

namespace nook {

void RepaintOverParent(HWND control) {
    HWND parent = GetParent(control);
    if (!parent) {
        InvalidateRect(control, nullptr, TRUE);
        return;
    }
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace nook
