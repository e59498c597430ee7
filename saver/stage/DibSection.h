#pragma once

#include "framework/GdiHandles.h"

#include <cstdint>

namespace nook {

// A top-down 32-bit DIB section whose pixels the program writes directly: decoded
// pictures, and the sprites and masks the themes make.
class CDibSection {
  public:
    explicit CDibSection(SIZE size);
    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    SIZE Size() const { return size_; }
    HBITMAP Get() const { return bitmap_.Get(); }
    // Row-major, `Size().cx` pixels a row; premultiplied BGRA where it is blended.
    uint32_t* Bits() const { return bits_; }
    // Hands the bitmap over; this object is empty afterwards.
    CBitmapHandle TakeBitmap();

  private:
    CBitmapHandle bitmap_;
    SIZE size_{};
    uint32_t* bits_ = nullptr; // owned by bitmap_
};

} // namespace nook
