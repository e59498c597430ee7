// Text drawn straight over what a context already shows: the labels, the buttons and the
// dialog title of the skin all draw their text this way.
#pragma once

#include <windows.h>

#include <string_view>

namespace nook {

// The font `control` was given, or the default font of dialogs without one.
HGDIOBJ ControlFont(HWND control);

// Draws `text` in `font` and `colour` with no background; the context keeps its font,
// background mode and text colour.
void DrawClearText(HDC dc, HGDIOBJ font, std::wstring_view text, RECT rect, UINT format, COLORREF colour);

} // namespace nook
