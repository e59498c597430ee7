// What is on the screen, for the tests that look at the stage.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace nook::test {

// Copies the screen rectangle to a 24-bit BMP file.
bool SaveScreenshot(const RECT& area, const std::string& bmpPath);

// The colours of a screen rectangle, row by row.
struct ScreenPixels {
    std::vector<COLORREF> colours;
    long Count() const { return static_cast<long>(colours.size()); }
};
ScreenPixels CaptureScreen(const RECT& area);

// The share (0 to 1) of pixels whose every channel is within `tolerance` of `colour`.
double ShareNear(const ScreenPixels& pixels, COLORREF colour, int tolerance);
// The mean difference of two captures of the same size, per channel (0 to 255).
double MeanDifference(const ScreenPixels& a, const ScreenPixels& b);

// Something is drawn there: more than `share` of the pixels are not black.
void ExpectDrawn(const ScreenPixels& pixels, double share = 0.10);

} // namespace nook::test
