#pragma once

#include "skin/SkinBitmap.h"

#include <windows.h>

namespace nook {

// Draws `bitmap` at (x, y) over `width` x `height`. Where that is larger than the
// bitmap, the bitmap's last column is stretched across the extra width and its middle
// row across the extra height, so borders and bands keep their size and places.
void DrawGrownBitmap(HDC dc, const CSkinBitmap& bitmap, int x, int y, int width, int height);

} // namespace nook
