#include "dialogs/GrownBitmap.h"

#include "framework/GdiHandles.h"

#include <algorithm>

namespace nook {

namespace {

// A stretch of the source drawn over a stretch of the target, along one axis.
struct Span {
    int source, sourceLength;
    int target, targetLength;
};

} // namespace

void DrawGrownBitmap(HDC dc, const CSkinBitmap& bitmap, int x, int y, int width, int height) {
    if (!bitmap) return;
    const int w = bitmap.Width(), h = bitmap.Height();
    const int extraWidth = std::max(0, width - w);
    const int extraHeight = std::max(0, height - h);
    const int middle = h / 2;
    const Span columns[] = {{0, w, x, w}, {w - 1, 1, x + w, extraWidth}};
    const Span rows[] = {{0, middle, y, middle},
                         {middle, 1, y + middle, extraHeight},
                         {middle, h - middle, y + middle + extraHeight, h - middle}};

    CMemoryDC source(dc);
    CSelectObject select(source.Get(), bitmap.Get());
    SetStretchBltMode(dc, COLORONCOLOR);
    for (const Span& row : rows) {
        for (const Span& column : columns) {
            if (row.targetLength <= 0 || column.targetLength <= 0) continue;
            StretchBlt(dc, column.target, row.target, column.targetLength, row.targetLength, source.Get(),
                       column.source, row.source, column.sourceLength, row.sourceLength, SRCCOPY);
        }
    }
}

} // namespace nook
