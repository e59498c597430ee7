#include "skin/SkinBitmap.h"

namespace nook {

bool CSkinBitmap::Adopt(HBITMAP bitmap) {
    Reset();
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) {
        if (bitmap) DeleteObject(bitmap);
        return false;
    }
    bitmap_.Reset(bitmap);
    width_ = info.bmWidth;
    height_ = info.bmHeight;
    return true;
}

bool CSkinBitmap::Load(int id, HINSTANCE module) {
    HINSTANCE from = module ? module : GetModuleHandleW(nullptr);
    return Adopt(static_cast<HBITMAP>(
        LoadImageW(from, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

void CSkinBitmap::Reset() {
    bitmap_.Reset();
    width_ = height_ = 0;
}

void CSkinBitmap::Draw(HDC dc, int x, int y, int width, int height) const {
    if (!bitmap_ || width <= 0 || height <= 0) return;
    CMemoryDC source(dc);
    CSelectObject select(source.Get(), bitmap_.Get());
    if (width == width_ && height == height_) {
        BitBlt(dc, x, y, width, height, source.Get(), 0, 0, SRCCOPY);
    } else {
        int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, width, height, source.Get(), 0, 0, width_, height_, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
    }
}

void CSkinBitmap::DrawKeyed(HDC dc, int x, int y, COLORREF key) const {
    if (!bitmap_) return;
    CMemoryDC source(dc);
    CSelectObject select(source.Get(), bitmap_.Get());
    TransparentBlt(dc, x, y, width_, height_, source.Get(), 0, 0, width_, height_, key);
}

} // namespace nook
