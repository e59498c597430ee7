#include "dialogs/SkinPlacement.h"

namespace nook {

namespace {

SIZE MaximisedInset(HWND dialog) {
    if (!IsZoomed(dialog)) return {0, 0};
    return {GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME)};
}

} // namespace

POINT SkinOrigin(HWND dialog) {
    RECT window;
    GetWindowRect(dialog, &window);
    POINT client{0, 0};
    ClientToScreen(dialog, &client);
    const SIZE inset = MaximisedInset(dialog);
    return {window.left + inset.cx - client.x, window.top + inset.cy - client.y};
}

SIZE SkinSize(HWND dialog) {
    RECT window;
    GetWindowRect(dialog, &window);
    const SIZE inset = MaximisedInset(dialog);
    return {window.right - window.left - 2 * inset.cx, window.bottom - window.top - 2 * inset.cy};
}

} // namespace nook
