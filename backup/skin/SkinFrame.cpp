#include "skin/SkinFrame.h"

#include "framework/GdiHandles.h"

namespace nook {

bool CSkinFrame::SetBitmaps(int topLeft, int top, int topRight, int left, int right, int bottomLeft,
                            int bottom, int bottomRight) {
    const int ids[kPieceCount] = {topLeft, top, topRight, left, right, bottomLeft, bottom, bottomRight};
    bool all = true;
    for (int i = 0; i < kPieceCount; ++i)
        all = pieces_[i].Load(ids[i]) && all;
    if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
    return all;
}

void CSkinFrame::PlaceAround(int x, int y, int width, int height) {
    if (!Hwnd()) return;
    MoveWindow(Hwnd(), x - pieces_[kTopLeft].Width(), y - pieces_[kTop].Height(),
               width + pieces_[kLeft].Width() + pieces_[kRight].Width(),
               height + pieces_[kTop].Height() + pieces_[kBottom].Height(), TRUE);
}

void CSkinFrame::OnSubclassed() {
    // Controls inside the frame lie above it in the z-order; the frame must not paint
    // over them.
    SetWindowLongPtrW(Hwnd(), GWL_STYLE, GetWindowLongPtrW(Hwnd(), GWL_STYLE) | WS_CLIPSIBLINGS);
}

void CSkinFrame::Paint(HDC dc) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    const int w = client.right, h = client.bottom;
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const CSkinBitmap& tl = pieces_[kTopLeft];
    const CSkinBitmap& t = pieces_[kTop];
    const CSkinBitmap& tr = pieces_[kTopRight];
    const CSkinBitmap& l = pieces_[kLeft];
    const CSkinBitmap& r = pieces_[kRight];
    const CSkinBitmap& bl = pieces_[kBottomLeft];
    const CSkinBitmap& b = pieces_[kBottom];
    const CSkinBitmap& br = pieces_[kBottomRight];
    tl.Draw(dc, 0, 0);
    tr.Draw(dc, w - tr.Width(), 0);
    bl.Draw(dc, 0, h - bl.Height());
    br.Draw(dc, w - br.Width(), h - br.Height());
    t.Draw(dc, tl.Width(), 0, w - tl.Width() - tr.Width(), t.Height());
    b.Draw(dc, bl.Width(), h - b.Height(), w - bl.Width() - br.Width(), b.Height());
    l.Draw(dc, 0, tl.Height(), l.Width(), h - tl.Height() - bl.Height());
    r.Draw(dc, w - r.Width(), tr.Height(), r.Width(), h - tr.Height() - br.Height());
}

LRESULT CSkinFrame::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        CPaintDC dc(Hwnd());
        Paint(dc.Get());
        return 0;
    }
    return CWindow::WindowProc(msg, wParam, lParam);
}

} // namespace nook
