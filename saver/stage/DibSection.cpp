#include "stage/DibSection.h"

namespace nook {

CDibSection::CDibSection(SIZE size) {
    if (size.cx <= 0 || size.cy <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_) return;
    size_ = size;
    bits_ = static_cast<uint32_t*>(bits);
}

CBitmapHandle CDibSection::TakeBitmap() {
    bits_ = nullptr;
    size_ = SIZE{};
    return std::move(bitmap_);
}

} // namespace nook
