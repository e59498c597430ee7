#include "tests/saver/ScreenCapture.h"

#include "platform/Files.h"

#include <gtest/gtest.h>

#include <vector>

namespace nook::test {

namespace {

// The screen rectangle as 24-bit bottom-up rows, BMP style.
std::vector<BYTE> CaptureScreen(const RECT& area, BITMAPINFOHEADER& header) {
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    header = BITMAPINFOHEADER{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    std::vector<BYTE> pixels(static_cast<size_t>((width * 3 + 3) / 4 * 4) * height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

} // namespace

bool SaveScreenshot(const RECT& area, const std::string& bmpPath) {
    BITMAPINFOHEADER header;
    std::vector<BYTE> pixels = CaptureScreen(area, header);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&header), sizeof(header));
    bytes.append(reinterpret_cast<const char*>(pixels.data()), pixels.size());
    return platform::WriteFileAtomically(bmpPath, bytes);
}

long PixelsOf(const RECT& area, COLORREF colour) {
    BITMAPINFOHEADER header;
    std::vector<BYTE> pixels = CaptureScreen(area, header);
    size_t stride = static_cast<size_t>((header.biWidth * 3 + 3) / 4 * 4);
    long count = 0;
    for (LONG y = 0; y < header.biHeight; ++y)
        for (LONG x = 0; x < header.biWidth; ++x) {
            const BYTE* p = &pixels[y * stride + x * 3];
            if (RGB(p[2], p[1], p[0]) == colour) ++count;
        }
    return count;
}

void ExpectBlackWithText(const RECT& area) {
    long all = (area.right - area.left) * (area.bottom - area.top);
    long black = PixelsOf(area, RGB(0, 0, 0));
    EXPECT_GT(black, all / 2);
    EXPECT_GT(all - black, all / 1000) << "no text drawn";
}

} // namespace nook::test
