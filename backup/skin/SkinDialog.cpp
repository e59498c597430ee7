#include "skin/SkinDialog.h"

#include "skin/BitmapRegion.h"
#include "skin/SkinColours.h"
#include "framework/GdiHandles.h"
#include "res/resource.h"

#include <windowsx.h>

#include <vector>

namespace nook {

namespace {

constexpr COLORREF kClientColour = RGB(229, 244, 216);
constexpr int kCaptionButtonTop = 4;
constexpr int kTitleTop = 4;

HRGN ExactKeyRegion(HBITMAP bitmap, COLORREF key) {
    return BitmapToRegion(bitmap, 0, 0, key, RGB(0, 0, 0));
}

void Unite(HRGN target, HRGN part) {
    if (part) CombineRgn(target, target, part, RGN_OR);
}

void UniteRect(HRGN target, int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    CRegionHandle part(CreateRectRgn(left, top, right, bottom));
    Unite(target, part.Get());
}

RECT ToScreen(HWND hwnd, int x, int y, int width, int height) {
    RECT window;
    GetWindowRect(hwnd, &window);
    return {window.left + x, window.top + y, window.left + x + width, window.top + y + height};
}

} // namespace

CSkinDialog::CSkinDialog(int templateId, HINSTANCE module) : CDialog(templateId, module) {
    const int pieceIds[kPieceCount] = {IDB_FRAME_TOP_LEFT, IDB_FRAME_TOP,         IDB_FRAME_TOP_RIGHT,
                                       IDB_FRAME_LEFT,     IDB_FRAME_RIGHT,       IDB_FRAME_BOTTOM_LEFT,
                                       IDB_FRAME_BOTTOM,   IDB_FRAME_BOTTOM_RIGHT};
    for (int i = 0; i < kPieceCount; ++i)
        pieces_[i].Load(pieceIds[i]);
    close_.normal.Load(IDB_CAPTION_CLOSE);
    close_.hover.Load(IDB_CAPTION_CLOSE_HOVER);
    maximise_.normal.Load(IDB_CAPTION_MAXIMISE);
    maximise_.hover.Load(IDB_CAPTION_MAXIMISE_HOVER);
    restore_.normal.Load(IDB_CAPTION_RESTORE);
    restore_.hover.Load(IDB_CAPTION_RESTORE_HOVER);
    minimise_.normal.Load(IDB_CAPTION_MINIMISE);
    minimise_.hover.Load(IDB_CAPTION_MINIMISE_HOVER);
}

int CSkinDialog::SetBackgroundBitmap(HBITMAP bitmap, COLORREF key) {
    return background_.Set(Hwnd(), bitmap, key, ExactKeyRegion);
}

RECT CSkinDialog::SkinRect() const {
    RECT window{};
    GetWindowRect(Hwnd(), &window);
    RECT skin{0, 0, window.right - window.left, window.bottom - window.top};
    if (IsZoomed(Hwnd()))
        InflateRect(&skin, -GetSystemMetrics(SM_CXDLGFRAME), -GetSystemMetrics(SM_CYDLGFRAME));
    return skin;
}

void CSkinDialog::BuildFrameRegion() {
    if (!Hwnd()) return;
    const RECT s = SkinRect();
    const CSkinBitmap& tl = pieces_[kTopLeft];
    const CSkinBitmap& t = pieces_[kTop];
    const CSkinBitmap& tr = pieces_[kTopRight];
    const CSkinBitmap& l = pieces_[kLeft];
    const CSkinBitmap& r = pieces_[kRight];
    const CSkinBitmap& bl = pieces_[kBottomLeft];
    const CSkinBitmap& b = pieces_[kBottom];
    const CSkinBitmap& br = pieces_[kBottomRight];

    CRegionHandle window(CreateRectRgn(0, 0, 0, 0));
    if (!window) return;
    struct Corner {
        const CSkinBitmap& bitmap;
        int x, y;
    };
    const Corner corners[] = {{tl, s.left, s.top},
                              {tr, s.right - tr.Width(), s.top},
                              {bl, s.left, s.bottom - bl.Height()},
                              {br, s.right - br.Width(), s.bottom - br.Height()}};
    for (const Corner& c : corners) {
        CRegionHandle part(BitmapToRegion(c.bitmap.Get(), c.x, c.y, kMagenta, kSkinTolerance));
        Unite(window.Get(), part.Get());
    }
    UniteRect(window.Get(), s.left + tl.Width(), s.top, s.right - tr.Width(), s.top + t.Height());
    UniteRect(window.Get(), s.left + bl.Width(), s.bottom - b.Height(), s.right - br.Width(), s.bottom);
    UniteRect(window.Get(), s.left, s.top + tl.Height(), s.left + l.Width(), s.bottom - bl.Height());
    UniteRect(window.Get(), s.right - r.Width(), s.top + tr.Height(), s.right, s.bottom - br.Height());
    UniteRect(window.Get(), s.left + l.Width(), s.top + t.Height(), s.right - r.Width(),
              s.bottom - b.Height());
    SetWindowRgn(Hwnd(), window.Release(), TRUE); // the window owns it from here on
}

void CSkinDialog::DrawFrame(HDC dc) {
    if (!dc || !Hwnd() || IsIconic(Hwnd())) return;
    const RECT s = SkinRect();
    const CSkinBitmap& tl = pieces_[kTopLeft];
    const CSkinBitmap& t = pieces_[kTop];
    const CSkinBitmap& tr = pieces_[kTopRight];
    const CSkinBitmap& l = pieces_[kLeft];
    const CSkinBitmap& r = pieces_[kRight];
    const CSkinBitmap& bl = pieces_[kBottomLeft];
    const CSkinBitmap& b = pieces_[kBottom];
    const CSkinBitmap& br = pieces_[kBottomRight];

    tl.Draw(dc, s.left, s.top);
    tr.Draw(dc, s.right - tr.Width(), s.top);
    bl.Draw(dc, s.left, s.bottom - bl.Height());
    br.Draw(dc, s.right - br.Width(), s.bottom - br.Height());
    t.Draw(dc, s.left + tl.Width(), s.top, s.right - tr.Width() - s.left - tl.Width(), t.Height());
    b.Draw(dc, s.left + bl.Width(), s.bottom - b.Height(), s.right - br.Width() - s.left - bl.Width(),
           b.Height());
    l.Draw(dc, s.left, s.top + tl.Height(), l.Width(), s.bottom - bl.Height() - s.top - tl.Height());
    r.Draw(dc, s.right - r.Width(), s.top + tr.Height(), r.Width(),
           s.bottom - br.Height() - s.top - tr.Height());

    std::vector<wchar_t> title(static_cast<size_t>(GetWindowTextLengthW(Hwnd())) + 1);
    int length = GetWindowTextW(Hwnd(), title.data(), static_cast<int>(title.size()));
    RECT titleRect{s.left + tl.Width(), s.top + kTitleTop, s.right - tr.Width(),
                   s.top + t.Height() + kTitleTop};
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
    {
        CSelectObject font(dc, GetStockObject(SYSTEM_FIXED_FONT));
        DrawTextW(dc, title.data(), length, &titleRect, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);

    DrawCaptionButtons(dc, Button::None);
}

void CSkinDialog::DrawCaptionButtons(HDC dc, Button hovered) {
    const RECT s = SkinRect();
    const int top = s.top + kCaptionButtonTop;
    const bool zoomed = IsZoomed(Hwnd()) != FALSE;
    const CaptionButton& middle = zoomed ? restore_ : maximise_;

    const int closeX = s.right - pieces_[kTopRight].Width() - close_.normal.Width();
    const int middleX = closeX - middle.normal.Width();
    const int minimiseX = middleX - minimise_.normal.Width();
    (hovered == Button::Close ? close_.hover : close_.normal).DrawKeyed(dc, closeX, top, kMagenta);
    (hovered == Button::Maximise ? middle.hover : middle.normal).DrawKeyed(dc, middleX, top, kMagenta);
    (hovered == Button::Minimise ? minimise_.hover : minimise_.normal)
        .DrawKeyed(dc, minimiseX, top, kMagenta);

    closeRect_ = ToScreen(Hwnd(), closeX, top, close_.normal.Width(), close_.normal.Height());
    maximiseRect_ = ToScreen(Hwnd(), middleX, top, middle.normal.Width(), middle.normal.Height());
    minimiseRect_ = ToScreen(Hwnd(), minimiseX, top, minimise_.normal.Width(), minimise_.normal.Height());
}

void CSkinDialog::RedrawCaptionButtons(Button hovered) {
    if (IsIconic(Hwnd())) return;
    CWindowDC dc(Hwnd(), CWindowDC::Area::Window);
    DrawCaptionButtons(dc.Get(), hovered);
}

CSkinDialog::Button CSkinDialog::ButtonAt(POINT screen) const {
    if (PtInRect(&closeRect_, screen)) return Button::Close;
    if (PtInRect(&maximiseRect_, screen)) return Button::Maximise;
    if (PtInRect(&minimiseRect_, screen)) return Button::Minimise;
    return Button::None;
}

void CSkinDialog::ToggleMaximised() {
    ShowWindow(Hwnd(), IsZoomed(Hwnd()) ? SW_RESTORE : SW_MAXIMIZE);
}

bool CSkinDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    // Nothing shows until the frame region is in place.
    SetWindowRgn(Hwnd(), CreateRectRgn(0, 0, 0, 0), FALSE);
    SetBackgroundBitmap(
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_MAIN_BACKGROUND),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)),
        kNoKey);
    BuildFrameRegion();
    ShowWindow(Hwnd(), SW_SHOW);
    return true;
}

LRESULT CSkinDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SIZE: {
        LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        BuildFrameRegion();
        if (BackgroundBitmap())
            RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        return result;
    }
    case WM_ERASEBKGND: {
        CDialog::WindowProc(msg, wParam, lParam);
        auto dc = reinterpret_cast<HDC>(wParam);
        RECT client;
        GetClientRect(Hwnd(), &client);
        CBrushHandle brush(CreateSolidBrush(kClientColour));
        FillRect(dc, &client, brush.Get());
        DrawBackground(dc);
        return TRUE;
    }
    case WM_MOVE:
    case WM_PAINT:
    case WM_NOTIFY:
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
        LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        if (Hwnd() && IsWindow(Hwnd())) {
            CWindowDC dc(Hwnd(), CWindowDC::Area::Window);
            DrawFrame(dc.Get());
        }
        return result;
    }
    case WM_NCMOUSEMOVE: {
        LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        RedrawCaptionButtons(ButtonAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        return result;
    }
    case WM_MOUSEMOVE: {
        LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        RedrawCaptionButtons(Button::None);
        return result;
    }
    case WM_NCLBUTTONDOWN:
        switch (ButtonAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
        case Button::Close:
            Send(WM_CLOSE);
            return 0;
        case Button::Maximise:
            ToggleMaximised();
            return 0;
        case Button::Minimise:
            ShowWindow(Hwnd(), SW_MINIMIZE);
            return 0;
        case Button::None:
            // A maximised window stays where it is.
            return IsZoomed(Hwnd()) ? 0 : CDialog::WindowProc(msg, wParam, lParam);
        }
        return 0;
    case WM_NCLBUTTONDBLCLK:
        ToggleMaximised();
        return 0;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

} // namespace nook
