#include "skin/ImageCopies.h"

#include "skin/BitmapPixels.h"

namespace nook {

namespace {

template <class Transform> HBITMAP TransformedCopy(HBITMAP image, COLORREF key, Transform transform) {
    CBitmapPixels pixels;
    if (!pixels.Read(image)) return nullptr;
    const uint32_t keyPixel = PixelOf(key);
    for (uint32_t& pixel : pixels.values) {
        if (pixel == keyPixel) continue;
        pixel = transform(pixel);
        // An opaque pixel must not turn transparent (near-black becoming a black key).
        if (pixel == keyPixel) pixel ^= 1;
    }
    return pixels.CreateBitmap();
}

} // namespace

HBITMAP MakeGreyCopy(HBITMAP image, COLORREF key) {
    return TransformedCopy(image, key, [](uint32_t p) {
        auto level = static_cast<BYTE>(0.299 * PixelRed(p) + 0.587 * PixelGreen(p) + 0.114 * PixelBlue(p));
        return MakePixel(level, level, level);
    });
}

HBITMAP MakeDarkerCopy(HBITMAP image, COLORREF key) {
    auto darker = [](BYTE v) { return static_cast<BYTE>(v - 0.25 * v); };
    return TransformedCopy(image, key, [&](uint32_t p) {
        return MakePixel(darker(PixelRed(p)), darker(PixelGreen(p)), darker(PixelBlue(p)));
    });
}

} // namespace nook
