// The colour rule the main and the login dialog share for their controls: a control
// whose style has a non-zero value in its low four bits (a centred or right-aligned
// static or edit, a check box, an owner-drawn button) is drawn on white; any other
// control keeps the brush the dialog's default handling chose.
#pragma once

#include <windows.h>

namespace nook {

bool IsControlColourMessage(UINT msg);

// The brush to answer a WM_CTLCOLOR* message about `control`, drawn into `dc`, with,
// given the one the default handling returned. Text on white gets a white background.
LRESULT ControlBrush(HDC dc, HWND control, LRESULT defaultBrush);

} // namespace nook
