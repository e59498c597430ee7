#include "skin/ShapedBackground.h"

#include "skin/SkinColours.h"

namespace nook {

CShapedBackground::Result CShapedBackground::Set(HWND window, HBITMAP bitmap, COLORREF key, RegionRule rule) {
    bitmap_.Reset();
    if (madeRegion_ && window) SetWindowRgn(window, nullptr, TRUE);
    madeRegion_ = false;

    Result result = kDone;
    if (!bitmap_.Adopt(bitmap)) {
        result = kUnreadable;
    } else if (key != kNoKey) {
        HRGN region = rule(bitmap_.Get(), key);
        if (!region) {
            bitmap_.Reset();
            result = kNoRegion;
        } else if (window) {
            SetWindowRgn(window, region, TRUE); // the window owns it from here on
            madeRegion_ = true;
        } else {
            DeleteObject(region);
        }
    }
    if (window)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return result;
}

} // namespace nook
