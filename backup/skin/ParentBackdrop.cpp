#include "skin/ParentBackdrop.h"

namespace nook {

namespace {

// Copies the parent's pixels under `control` from `parentDc` into a new bitmap.
HBITMAP CopyParentArea(HWND control, HDC parentDc) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HBITMAP copy = CreateCompatibleBitmap(parentDc, width, height);
    if (!copy) return nullptr;
    CMemoryDC memory(parentDc);
    CSelectObject select(memory.Get(), copy);
    BitBlt(memory.Get(), 0, 0, width, height, parentDc, rect.left, rect.top, SRCCOPY);
    return copy;
}

} // namespace

void CParentBackdrop::Refresh(HWND control, HDC parentDc) {
    copy_.Reset(CopyParentArea(control, parentDc));
}

void CParentBackdrop::Draw(HWND control, HDC dc, const RECT& area) {
    if (!copy_) {
        CWindowDC parent(GetParent(control));
        Refresh(control, parent.Get());
    }
    CMemoryDC memory(dc);
    CSelectObject select(memory.Get(), copy_.Get());
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), 0, 0,
           SRCCOPY);
}

} // namespace nook
