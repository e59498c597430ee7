#include "skin/BitmapDialog.h"

#include "framework/GdiHandles.h"
#include "skin/BitmapRegion.h"

#include <windowsx.h>

namespace nook {

CBitmapDialog::CBitmapDialog(int templateId, HINSTANCE module) : CDialog(templateId, module) {}

int CBitmapDialog::SetBackgroundBitmap(HBITMAP bitmap, COLORREF key) {
    return background_.Set(Hwnd(), bitmap, key, BitmapToCutRegion);
}

int CBitmapDialog::SetPlacement(int mode, bool repaint) {
    if (mode < kTile || mode > kBottomCentre) return kBadPlacement;
    placement_ = mode;
    if (repaint && Hwnd())
        RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return kDone;
}

void CBitmapDialog::DrawPlaced(HDC dc, const RECT& client) const {
    const CSkinBitmap& bitmap = background_.Bitmap();
    const int w = bitmap.Width(), h = bitmap.Height();
    const int cw = client.right, ch = client.bottom;
    auto tile = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; y += h)
            for (int x = x0; x < x1; x += w)
                bitmap.Draw(dc, x, y);
    };
    switch (placement_) {
    case kTile:
        tile(0, 0, cw, ch);
        break;
    case kCentre:
        bitmap.Draw(dc, (cw - w) / 2, (ch - h) / 2);
        break;
    case kStretch:
        bitmap.Draw(dc, 0, 0, cw, ch);
        break;
    case kTileTop:
        tile(0, 0, cw, 1);
        break;
    case kTileBottom:
        tile(0, ch - h, cw, ch - h + 1);
        break;
    case kTileLeft:
        tile(0, 0, 1, ch);
        break;
    case kTileRight:
        tile(cw - w, 0, cw - w + 1, ch);
        break;
    case kTopLeft:
        bitmap.Draw(dc, 0, 0);
        break;
    case kTopRight:
        bitmap.Draw(dc, cw - w, 0);
        break;
    case kTopCentre:
        bitmap.Draw(dc, (cw - w) / 2, 0);
        break;
    case kBottomLeft:
        bitmap.Draw(dc, 0, ch - h);
        break;
    case kBottomRight:
        bitmap.Draw(dc, cw - w, ch - h);
        break;
    case kBottomCentre:
        bitmap.Draw(dc, (cw - w) / 2, ch - h);
        break;
    default:
        break;
    }
}

void CBitmapDialog::EraseBackground(HDC dc) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    // Composed off screen, so that tiles and fill never flicker.
    CMemoryDC memory(dc);
    CBitmapHandle canvas(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!memory || !canvas) return;
    CSelectObject select(memory.Get(), canvas.Get());
    FillRect(memory.Get(), &client, GetSysColorBrush(COLOR_3DFACE));
    DrawPlaced(memory.Get(), client);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

LRESULT CBitmapDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        if (!BackgroundBitmap()) break;
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_SIZE: {
        LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        if (BackgroundBitmap())
            RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return result;
    }
    case WM_LBUTTONDOWN:
        if (dragAnywhere_) {
            // As if the title bar had been pressed: the system moves the window.
            POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(Hwnd(), &screen);
            Post(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
            return 0;
        }
        break;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

} // namespace nook
