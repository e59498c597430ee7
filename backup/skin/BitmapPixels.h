#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace nook {

// The pixels of a bitmap as 0x00RRGGBB values, top row first.
struct CBitmapPixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> values;

    // False when `bitmap` cannot be read.
    bool Read(HBITMAP bitmap);
    // A new 32-bit bitmap holding these pixels; null on failure. The caller owns it.
    HBITMAP CreateBitmap() const;

    uint32_t& At(int x, int y) { return values[static_cast<size_t>(y) * width + x]; }
    uint32_t At(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
};

inline BYTE PixelRed(uint32_t pixel) {
    return static_cast<BYTE>(pixel >> 16);
}
inline BYTE PixelGreen(uint32_t pixel) {
    return static_cast<BYTE>(pixel >> 8);
}
inline BYTE PixelBlue(uint32_t pixel) {
    return static_cast<BYTE>(pixel);
}
inline uint32_t MakePixel(BYTE red, BYTE green, BYTE blue) {
    return (static_cast<uint32_t>(red) << 16) | (static_cast<uint32_t>(green) << 8) | blue;
}
inline uint32_t PixelOf(COLORREF colour) {
    return MakePixel(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

} // namespace nook
