#pragma once

#include "skin/SkinBitmap.h"

namespace nook {

// The background bitmap of a skinned dialog and the window region made from it.
class CShapedBackground {
  public:
    enum Result { kDone = 0, kUnreadable = 1, kNoRegion = 3 };
    // Makes the window region of a bitmap for a key colour; null on failure.
    using RegionRule = HRGN (*)(HBITMAP bitmap, COLORREF key);

    // Replaces the bitmap (taking ownership of `bitmap`). A region made by the old
    // bitmap is taken off `window`. With a key (not kNoKey) the new bitmap's region
    // becomes the window's. Then `window` is repainted. On failure all is cleared.
    Result Set(HWND window, HBITMAP bitmap, COLORREF key, RegionRule rule);

    const CSkinBitmap& Bitmap() const { return bitmap_; }

  private:
    CSkinBitmap bitmap_;
    bool madeRegion_ = false;
};

} // namespace nook
