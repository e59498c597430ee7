#pragma once

#include <windows.h>

namespace nook {

// Copies of a button image for its normal state; pixels of colour `key` stay as they
// are, and no other pixel takes the key colour. Null when the image cannot be read. The caller owns the
// result. Grey: level 0.299 red + 0.587 green + 0.114 blue.
HBITMAP MakeGreyCopy(HBITMAP image, COLORREF key);
// Darker: each channel v becomes v - v / 4.
HBITMAP MakeDarkerCopy(HBITMAP image, COLORREF key);

} // namespace nook
