// Where the skin of the main dialog lies in its client area: the skin covers the whole
// window, or when the window is maximised the part inside the dialog frame, so the
// places of the controls and the background follow it.
#pragma once

#include <windows.h>

namespace nook {

// The client position of the skin's top-left corner (negative: above and left of the
// client area).
POINT SkinOrigin(HWND dialog);

// The size the skin covers.
SIZE SkinSize(HWND dialog);

} // namespace nook
