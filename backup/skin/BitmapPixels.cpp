#include "skin/BitmapPixels.h"

#include "framework/GdiHandles.h"

#include <cstring>

namespace nook {

namespace {
BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}
} // namespace

bool CBitmapPixels::Read(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return false;
    width = info.bmWidth;
    height = info.bmHeight;
    values.assign(static_cast<size_t>(width) * height, 0);
    BITMAPINFO format = TopDown32(width, height);
    CWindowDC screen(nullptr);
    int rows =
        GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), values.data(), &format, DIB_RGB_COLORS);
    // The unused top byte may come back set; pixels compare as 0x00RRGGBB.
    for (uint32_t& value : values)
        value &= 0x00FFFFFF;
    return rows == height;
}

HBITMAP CBitmapPixels::CreateBitmap() const {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO format = TopDown32(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    std::memcpy(bits, values.data(), values.size() * sizeof(uint32_t));
    GdiFlush();
    return bitmap;
}

} // namespace nook
