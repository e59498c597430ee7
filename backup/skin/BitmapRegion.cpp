// Regions are built from runs of opaque pixels, one rectangle per run and row, handed
// to the system at most 2,000 rectangles per ExtCreateRegion call: larger region data is
// refused by some systems, so the rectangles are turned into partial regions in batches
// and united.
#include "skin/BitmapRegion.h"

#include "framework/GdiHandles.h"
#include "skin/BitmapPixels.h"

#include <algorithm>
#include <vector>

namespace nook {

namespace {

constexpr size_t kBatch = 2000;
constexpr size_t kGrowth = 100;

// Collects one-pixel-high rectangles and unites them into one region.
class RegionBuilder {
  public:
    RegionBuilder() : result_(CreateRectRgn(0, 0, 0, 0)) { rects_.reserve(kGrowth); }

    void AddRun(int left, int right, int y) {
        if (rects_.size() == rects_.capacity()) rects_.reserve(rects_.capacity() + kGrowth);
        rects_.push_back({left, y, right, y + 1});
        if (rects_.size() == kBatch) Flush();
    }

    // The union; null when a region could not be made.
    HRGN Finish() {
        Flush();
        return failed_ ? nullptr : result_.Release();
    }

  private:
    void Flush() {
        if (rects_.empty() || failed_ || !result_) {
            failed_ = failed_ || !result_;
            rects_.clear();
            return;
        }
        std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects_.size() * sizeof(RECT));
        auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
        header->dwSize = sizeof(RGNDATAHEADER);
        header->iType = RDH_RECTANGLES;
        header->nCount = static_cast<DWORD>(rects_.size());
        header->nRgnSize = static_cast<DWORD>(rects_.size() * sizeof(RECT));
        SetRectEmpty(&header->rcBound);
        for (const RECT& r : rects_)
            UnionRect(&header->rcBound, &header->rcBound, &r);
        std::copy(rects_.begin(), rects_.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
        CRegionHandle part(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                           reinterpret_cast<const RGNDATA*>(data.data())));
        if (!part || CombineRgn(result_.Get(), result_.Get(), part.Get(), RGN_OR) == ERROR) failed_ = true;
        rects_.clear();
    }

    CRegionHandle result_;
    std::vector<RECT> rects_;
    bool failed_ = false;
};

// Region of the pixels in columns [0, width) for which `transparent` is false.
template <class Transparent>
HRGN RegionOfOpaqueRuns(const CBitmapPixels& pixels, int width, int dx, int dy, Transparent transparent) {
    RegionBuilder builder;
    for (int y = 0; y < pixels.height; ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && transparent(pixels.At(x, y)))
                ++x;
            int start = x;
            while (x < width && !transparent(pixels.At(x, y)))
                ++x;
            if (x > start) builder.AddRun(start + dx, x + dx, y + dy);
        }
    }
    return builder.Finish();
}

} // namespace

HRGN BitmapToRegion(HBITMAP bitmap, int x, int y, COLORREF key, COLORREF tolerance) {
    CBitmapPixels pixels;
    if (!pixels.Read(bitmap)) return nullptr;
    struct Range {
        int low, high;
        bool Holds(int value) const { return value >= low && value <= high; }
    };
    auto range = [](int base, int extra) { return Range{base, std::min(base + extra, 255)}; };
    const Range red = range(GetRValue(key), GetRValue(tolerance));
    const Range green = range(GetGValue(key), GetGValue(tolerance));
    const Range blue = range(GetBValue(key), GetBValue(tolerance));
    return RegionOfOpaqueRuns(pixels, pixels.width, x, y, [&](uint32_t p) {
        return red.Holds(PixelRed(p)) && green.Holds(PixelGreen(p)) && blue.Holds(PixelBlue(p));
    });
}

HRGN BitmapToCutRegion(HBITMAP bitmap, COLORREF key) {
    CBitmapPixels pixels;
    if (!pixels.Read(bitmap)) return nullptr;
    const uint32_t keyPixel = PixelOf(key);
    return RegionOfOpaqueRuns(pixels, pixels.width - pixels.width % 4, 0, 0,
                              [&](uint32_t p) { return p == keyPixel; });
}

} // namespace nook
