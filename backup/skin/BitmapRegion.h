// Window regions from bitmaps.
#pragma once

#include <windows.h>

namespace nook {

// The region of the bitmap's non-transparent pixels, moved by (x, y). A pixel is
// transparent when each of its channels lies between the key's value and the key's value
// plus the tolerance's (capped at 255). Null when the bitmap cannot be read; an empty
// region when every pixel is transparent. The caller owns the result.
HRGN BitmapToRegion(HBITMAP bitmap, int x, int y, COLORREF key, COLORREF tolerance);

// The rule of the bitmap dialogs: the bitmap's rectangle with its width cut down to a
// multiple of 4 pixels, less every pixel of exactly `key`. Null when the bitmap cannot be
// read or the region cannot be made.
HRGN BitmapToCutRegion(HBITMAP bitmap, COLORREF key);

} // namespace nook
