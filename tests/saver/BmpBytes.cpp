#include "tests/saver/BmpBytes.h"

namespace nook::test {

BITMAPINFOHEADER Bmp24Header(int width, int height) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    return info;
}

std::string BmpFileBytes(int width, int height, std::string_view rows) {
    BITMAPINFOHEADER info = Bmp24Header(width, height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rows.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    bytes.append(rows);
    return bytes;
}

} // namespace nook::test
