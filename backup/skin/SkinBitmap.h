#pragma once

#include "framework/GdiHandles.h"

#include <windows.h>

namespace nook {

// A bitmap with its size.
class CSkinBitmap {
  public:
    // Takes ownership of `bitmap`; false (and empty) when it cannot be read.
    bool Adopt(HBITMAP bitmap);
    // Loads bitmap resource `id` of `module` (the program when null).
    bool Load(int id, HINSTANCE module = nullptr);
    void Reset();

    HBITMAP Get() const { return bitmap_.Get(); }
    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Copies the whole bitmap to (x, y) unscaled, or stretched to `width` × `height`.
    void Draw(HDC dc, int x, int y) const { Draw(dc, x, y, width_, height_); }
    void Draw(HDC dc, int x, int y, int width, int height) const;
    // Copies it leaving out the pixels of colour `key`.
    void DrawKeyed(HDC dc, int x, int y, COLORREF key) const;

  private:
    CBitmapHandle bitmap_;
    int width_ = 0;
    int height_ = 0;
};

} // namespace nook
