#include "stage/BackBuffer.h"

namespace nook {

HDC CBackBuffer::Prepare(SIZE size) {
    if (!dc_ || size.cx <= 0 || size.cy <= 0) return nullptr;
    if (bitmap_ && bitmap_.Size().cx == size.cx && bitmap_.Size().cy == size.cy) return dc_.Get();
    Release();
    bitmap_ = CDibSection(size);
    if (!bitmap_) return nullptr;
    original_ = SelectObject(dc_.Get(), bitmap_.Get());
    return dc_.Get();
}

void CBackBuffer::CopyTo(HDC target) const {
    if (!bitmap_) return;
    SIZE size = bitmap_.Size();
    BitBlt(target, 0, 0, size.cx, size.cy, dc_.Get(), 0, 0, SRCCOPY);
}

void CBackBuffer::Release() {
    if (original_) SelectObject(dc_.Get(), original_);
    original_ = nullptr;
    bitmap_ = CDibSection(SIZE{});
}

} // namespace nook
