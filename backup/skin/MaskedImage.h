#pragma once

#include "skin/SkinBitmap.h"

namespace nook {

// A button image that draws over any background: a monochrome mask made from its
// transparent colour, and the image with its transparent pixels turned black, drawn
// as mask AND then image OR.
class CMaskedImage {
  public:
    enum Result { kDone = 0, kUnreadable = 1, kNoMask = 2 };

    // Takes ownership of `image`.
    Result Make(HBITMAP image, COLORREF key);
    void Reset();

    explicit operator bool() const { return static_cast<bool>(image_); }
    int Width() const { return image_.Width(); }
    int Height() const { return image_.Height(); }
    HBITMAP Image() const { return image_.Get(); }

    void Draw(HDC dc, int x, int y) const;
    // The platform's disabled look (embossed monochrome).
    void DrawDisabled(HDC dc, int x, int y) const;

  private:
    CSkinBitmap image_;
    CBitmapHandle mask_;
};

} // namespace nook
