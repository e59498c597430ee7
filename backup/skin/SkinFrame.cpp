#include "skin/SkinFrame.h"

namespace nook {

bool CSkinFrame::SetBitmaps(int topLeft, int top, int topRight, int left, int right, int bottomLeft,
                            int bottom, int bottomRight) {
    const bool all = pieces_.Load({topLeft, top, topRight, left, right, bottomLeft, bottom, bottomRight});
    if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
    return all;
}

void CSkinFrame::PlaceAround(int x, int y, int width, int height) {
    if (!Hwnd()) return;
    const CFrameBitmaps& p = pieces_;
    MoveWindow(Hwnd(), x - p[p.kTopLeft].Width(), y - p[p.kTop].Height(),
               width + p[p.kLeft].Width() + p[p.kRight].Width(),
               height + p[p.kTop].Height() + p[p.kBottom].Height(), TRUE);
}

void CSkinFrame::OnSubclassed() {
    // Controls inside the frame lie above it in the z-order; the frame must not paint
    // over them.
    SetWindowLongPtrW(Hwnd(), GWL_STYLE, GetWindowLongPtrW(Hwnd(), GWL_STYLE) | WS_CLIPSIBLINGS);
}

void CSkinFrame::Paint(HDC dc) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    pieces_.Draw(dc, client);
}

} // namespace nook
