// What is on the screen, for the tests that look at the stage.
#pragma once

#include <windows.h>

#include <string>

namespace nook::test {

// Copies the screen rectangle to a 24-bit BMP file.
bool SaveScreenshot(const RECT& area, const std::string& bmpPath);

// Pixels of the screen rectangle that have `colour`.
long PixelsOf(const RECT& area, COLORREF colour);

// The stage's look in that rectangle: its black background with the drifting names on it.
void ExpectBlackWithText(const RECT& area);

} // namespace nook::test
