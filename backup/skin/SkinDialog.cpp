#include "skin/SkinDialog.h"

#include "framework/GdiHandles.h"
#include "skin/BitmapRegion.h"
#include "skin/ClearText.h"
#include "skin/SkinColours.h"

#include <windowsx.h>

namespace nook {

namespace {

constexpr int kCaptionButtonTop = 4;
constexpr int kTitleTop = 4;

HRGN ExactKeyRegion(HBITMAP bitmap, COLORREF key) {
    return BitmapToRegion(bitmap, 0, 0, key, RGB(0, 0, 0));
}

RECT ToScreen(HWND hwnd, int x, int y, int width, int height) {
    RECT window;
    GetWindowRect(hwnd, &window);
    return {window.left + x, window.top + y, window.left + x + width, window.top + y + height};
}

} // namespace

CSkinDialog::CSkinDialog(int templateId, const SkinDialogIds& ids, HINSTANCE module)
    : CDialog(templateId, module), backgroundId_(ids.background) {
    pieces_.Load(ids.frame);
    close_.Load(ids.close);
    maximise_.Load(ids.maximise);
    restore_.Load(ids.restore);
    minimise_.Load(ids.minimise);
}

void CSkinDialog::CaptionButton::Load(const ButtonImageIds& ids) {
    normal.Load(ids.normal);
    hover.Load(ids.hover);
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
    CRegionHandle window = pieces_.MakeRegion(SkinRect());
    if (window) SetWindowRgn(Hwnd(), window.Release(), TRUE); // the window owns it from here on
}

void CSkinDialog::DrawFrame(HDC dc) {
    if (!dc || !Hwnd() || IsIconic(Hwnd())) return;
    const RECT s = SkinRect();
    pieces_.Draw(dc, s);
    const RECT title{s.left + pieces_[pieces_.kTopLeft].Width(), s.top + kTitleTop,
                     s.right - pieces_[pieces_.kTopRight].Width(),
                     s.top + pieces_[pieces_.kTop].Height() + kTitleTop};
    DrawClearText(dc, GetStockObject(SYSTEM_FIXED_FONT), WindowText(Hwnd()), title,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX, RGB(0, 0, 0));
    DrawCaptionButtons(dc, Button::None);
}

void CSkinDialog::DrawCaptionButtons(HDC dc, Button hovered) {
    const RECT s = SkinRect();
    const int top = s.top + kCaptionButtonTop;
    const bool zoomed = IsZoomed(Hwnd()) != FALSE;
    const CaptionButton& middle = zoomed ? restore_ : maximise_;

    const int closeX = s.right - pieces_[pieces_.kTopRight].Width() - close_.normal.Width();
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
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(backgroundId_),
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
        // A hidden window's frame is drawn when it shows again; a closing dialog's tree
        // sends a notification for each of thousands of items it lets go.
        if (Hwnd() && IsWindow(Hwnd()) && IsWindowVisible(Hwnd())) {
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
