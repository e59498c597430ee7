// Helpers of the skin tests: synthetic bitmaps, region contents, off-screen rendering
// and screenshots.
#pragma once

#include "skin/BitmapPixels.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace nook::test {

// A bitmap drawn from rows of characters: '.' magenta, '#' a plain colour, 'g' magenta
// with green 16, 'h' magenta with green 17, 'r' magenta with red 254, 'k' black.
HBITMAP BitmapFromArt(const std::vector<std::string>& rows);
HBITMAP MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& colour);

// The rectangles a region consists of, in the system's order.
std::vector<RECT> RegionRects(HRGN region);

// Paints through `paint` into a 32-bit off-screen bitmap of the given size.
CBitmapPixels Render(int width, int height, const std::function<void(HDC)>& paint);

// Copies what the screen shows of `hwnd` into a 24-bit BMP file in the artefact folder
// of the build tree; returns the file's path (empty on failure).
std::string SaveScreenshot(HWND hwnd, const std::string& name);

// Runs the message loop for `ms`.
void PumpMessages(DWORD ms);

} // namespace nook::test
