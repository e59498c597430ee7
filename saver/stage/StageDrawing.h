// Drawing shared by the themes, all plain GDI into the back buffer.
#pragma once

#include "framework/GdiHandles.h"
#include "stage/DibSection.h"
#include "stage/StagePicture.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace nook {

// A rectangle in fractions of a pixel, for motion slower than a pixel a frame.
struct RectF {
    double left, top, right, bottom;
    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
};

// `picture` as large as fits inside `area`, centred.
RectF FitCentred(SIZE picture, const RECT& area);

// Top to bottom, from `top` to `bottom`.
void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom);

// Draws `picture` stretched to `target` at `opacity` (0 to 1), only within `clip`.
void BlendPicture(HDC dc, const StagePicture& picture, const RectF& target, const RECT& clip, double opacity);

// The pixels of a picture's DIB section (premultiplied BGRA, row by row); null when
// the bitmap is no DIB section.
uint32_t* PixelsOf(const StagePicture& picture);

// A square sprite of `size` pixels, each from `pixel`(dx, dy): its offset from the
// centre in radii (-1 to 1 across).
template <class PixelFn> CDibSection MakeRoundSprite(int size, PixelFn pixel) {
    CDibSection sprite(SIZE{size, size});
    if (!sprite) return sprite;
    double radius = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            sprite.Bits()[y * size + x] = pixel((x + 0.5 - radius) / radius, (y + 0.5 - radius) / radius);
    return sprite;
}

// Premultiplied BGRA of a colour at `alpha` (0 to 1).
uint32_t Premultiplied(int red, int green, int blue, double alpha);

// A font for the stage's texts, `height` pixels.
CFontHandle MakeStageFont(int height);

// `text` (code page 936) in the bottom-right corner of `area`, cream on a soft shadow,
// at `opacity`.
void DrawCaption(HDC dc, HFONT font, const std::string& caption, const RECT& area, double opacity);

// What is shown when the album has no picture at all: a warm gradient with `name`.
void DrawRestingScreen(HDC dc, SIZE client, HFONT font, const std::wstring& name);

// An ease-out from 0 to 1 for `t` from 0 to 1 (clamped).
double EaseOut(double t);

// A small, fast generator for the themes' random placement.
class CStageRandom {
  public:
    explicit CStageRandom(unsigned seed) : state_((seed * 2654435761u) | 1u) {}
    // From `low` to `high`.
    double Between(double low, double high);

  private:
    unsigned state_;
};

} // namespace nook
