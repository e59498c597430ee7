#include "tests/saver/ScreenCapture.h"

#include "platform/Files.h"
#include "tests/saver/BmpBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace nook::test {

namespace {

// The screen rectangle as 24-bit bottom-up rows, BMP style.
std::vector<BYTE> CaptureRows(const RECT& area, BITMAPINFOHEADER& header) {
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    header = Bmp24Header(width, height);
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

int Channel(COLORREF colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

} // namespace

bool SaveScreenshot(const RECT& area, const std::string& bmpPath) {
    BITMAPINFOHEADER header;
    std::vector<BYTE> pixels = CaptureRows(area, header);
    return platform::WriteFileAtomically(
        bmpPath, BmpFileBytes(header.biWidth, header.biHeight,
                              std::string_view(reinterpret_cast<const char*>(pixels.data()), pixels.size())));
}

ScreenPixels CaptureScreen(const RECT& area) {
    BITMAPINFOHEADER header;
    std::vector<BYTE> rows = CaptureRows(area, header);
    size_t stride = static_cast<size_t>((header.biWidth * 3 + 3) / 4 * 4);
    ScreenPixels pixels;
    pixels.colours.reserve(static_cast<size_t>(header.biWidth) * header.biHeight);
    for (LONG y = header.biHeight - 1; y >= 0; --y)
        for (LONG x = 0; x < header.biWidth; ++x) {
            const BYTE* p = &rows[y * stride + x * 3];
            pixels.colours.push_back(RGB(p[2], p[1], p[0]));
        }
    return pixels;
}

double ShareNear(const ScreenPixels& pixels, COLORREF colour, int tolerance) {
    if (pixels.colours.empty()) return 0.0;
    long matching = 0;
    for (COLORREF c : pixels.colours) {
        bool close = true;
        for (int shift : {0, 8, 16}) close = close && std::abs(Channel(c, shift) - Channel(colour, shift)) <= tolerance;
        if (close) ++matching;
    }
    return static_cast<double>(matching) / pixels.Count();
}

double MeanDifference(const ScreenPixels& a, const ScreenPixels& b) {
    if (a.colours.size() != b.colours.size() || a.colours.empty()) return 0.0;
    double sum = 0.0;
    for (size_t i = 0; i < a.colours.size(); ++i)
        for (int shift : {0, 8, 16}) sum += std::abs(Channel(a.colours[i], shift) - Channel(b.colours[i], shift));
    return sum / (3.0 * a.colours.size());
}

void ExpectDrawn(const ScreenPixels& pixels, double share) {
    EXPECT_LT(ShareNear(pixels, RGB(0, 0, 0), 8), 1.0 - share) << "hardly anything but black";
}

} // namespace nook::test
