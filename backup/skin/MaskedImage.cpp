#include "skin/MaskedImage.h"

namespace nook {

CMaskedImage::Result CMaskedImage::Make(HBITMAP image, COLORREF key) {
    Reset();
    if (!image_.Adopt(image)) return kUnreadable;
    const int width = image_.Width(), height = image_.Height();
    mask_.Reset(CreateBitmap(width, height, 1, 1, nullptr));
    CMemoryDC imageDc, maskDc;
    if (!mask_ || !imageDc || !maskDc) {
        Reset();
        return kNoMask;
    }
    CSelectObject selectImage(imageDc.Get(), image_.Get());
    CSelectObject selectMask(maskDc.Get(), mask_.Get());
    // Colour to monochrome: pixels of the background colour become 1 (white).
    SetBkColor(imageDc.Get(), key);
    BitBlt(maskDc.Get(), 0, 0, width, height, imageDc.Get(), 0, 0, SRCCOPY);
    // Monochrome to colour: 1 becomes the background colour (black), 0 the text colour
    // (white); ANDed, the transparent pixels turn black and the rest stays.
    SetBkColor(imageDc.Get(), RGB(0, 0, 0));
    SetTextColor(imageDc.Get(), RGB(255, 255, 255));
    BitBlt(imageDc.Get(), 0, 0, width, height, maskDc.Get(), 0, 0, SRCAND);
    return kDone;
}

void CMaskedImage::Reset() {
    mask_.Reset();
    image_.Reset();
}

void CMaskedImage::Draw(HDC dc, int x, int y) const {
    if (!image_) return;
    CMemoryDC source(dc);
    {
        CSelectObject select(source.Get(), mask_.Get());
        COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
        COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        BitBlt(dc, x, y, Width(), Height(), source.Get(), 0, 0, SRCAND);
        SetBkColor(dc, oldBk);
        SetTextColor(dc, oldText);
    }
    CSelectObject select(source.Get(), image_.Get());
    BitBlt(dc, x, y, Width(), Height(), source.Get(), 0, 0, SRCPAINT);
}

void CMaskedImage::DrawDisabled(HDC dc, int x, int y) const {
    if (!image_) return;
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(image_.Get()), 0, x, y, Width(), Height(),
               DST_BITMAP | DSS_DISABLED);
}

} // namespace nook
