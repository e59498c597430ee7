#pragma once

#include <windows.h>

namespace nook {

// Repaints a control that draws no background of its own: the parent repaints the
// area under it first, so that no earlier text stays behind.
void RepaintOverParent(HWND control);

} // namespace nook
