#include "tests/skin/SkinTestSupport.h"

#include "framework/GdiHandles.h"
#include "platform/win32/WideText.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace nook::test {

namespace {

// The common controls the dialogs use (tree view, progress bar, tooltips), registered
// once as the programs do at start.
class CommonControlsEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof(init),
                                  ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&init);
    }
};

[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new CommonControlsEnvironment);

COLORREF ArtColour(char c) {
    switch (c) {
    case '.':
        return RGB(255, 0, 255);
    case 'g':
        return RGB(255, 16, 255);
    case 'h':
        return RGB(255, 17, 255);
    case 'r':
        return RGB(254, 0, 255);
    case 'k':
        return RGB(0, 0, 0);
    default:
        return RGB(40, 120, 200);
    }
}

} // namespace

HBITMAP MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& colour) {
    CBitmapPixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.values.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.At(x, y) = PixelOf(colour(x, y));
    return pixels.CreateBitmap();
}

HBITMAP BitmapFromArt(const std::vector<std::string>& rows) {
    return MakeBitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), [&](int x, int y) {
        return ArtColour(rows[static_cast<size_t>(y)][static_cast<size_t>(x)]);
    });
}

std::vector<RECT> RegionRects(HRGN region) {
    DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<BYTE> data(size);
    if (size == 0 || GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())) == 0) return {};
    const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
    const auto* rects = reinterpret_cast<const RECT*>(data.data() + header->dwSize);
    return std::vector<RECT>(rects, rects + header->nCount);
}

CBitmapPixels Render(int width, int height, const std::function<void(HDC)>& paint) {
    CBitmapPixels result;
    CBitmapHandle canvas(MakeBitmap(width, height, [](int, int) { return RGB(0, 0, 0); }));
    {
        CMemoryDC dc;
        CSelectObject select(dc.Get(), canvas.Get());
        paint(dc.Get());
    }
    result.Read(canvas.Get());
    return result;
}

std::string SaveScreenshot(HWND hwnd, const std::string& name) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    CWindowDC screen(nullptr);
    CMemoryDC memory(screen.Get());
    CBitmapHandle shot(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        CSelectObject select(memory.Get(), shot.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY);
    }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height; // bottom-up, as BMP files are
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> bits(static_cast<size_t>(stride) * height);
    GetDIBits(screen.Get(), shot.Get(), 0, static_cast<UINT>(height), bits.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);

    CreateDirectoryW(platform::ToWide(NOOK_SKIN_ARTIFACTS).c_str(), nullptr);
    std::string path = std::string(NOOK_SKIN_ARTIFACTS) + "\\" + name + ".bmp";
    FILE* file = _wfopen(platform::ToWide(path).c_str(), L"wb");
    if (!file) return {};
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + static_cast<DWORD>(bits.size());
    std::fwrite(&header, sizeof(header), 1, file);
    std::fwrite(&info, sizeof(info), 1, file);
    std::fwrite(bits.data(), 1, bits.size(), file);
    std::fclose(file);
    return path;
}

void PumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

} // namespace nook::test
