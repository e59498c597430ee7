// 24-bit BMP files, as the tests write them: screenshots and photos of one colour.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace nook::test {

// The header of a bottom-up 24-bit bitmap.
BITMAPINFOHEADER Bmp24Header(int width, int height);
// A whole BMP file: its headers, then `rows` (bottom-up, each padded to 4 bytes). The
// headers say `width` x `height` whatever `rows` holds.
std::string BmpFileBytes(int width, int height, std::string_view rows);

} // namespace nook::test
