#include "skin/SkinButton.h"

#include "framework/GdiHandles.h"
#include "skin/ClearText.h"
#include "skin/ImageCopies.h"

#include <windowsx.h>

namespace nook {

namespace {

constexpr int kTooltipWidth = 400;

HBITMAP LoadBitmapResource(int id, HINSTANCE module) {
    return static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    CBrushHandle brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

// One-pixel lines: top and left in `topLeft`, bottom and right in `bottomRight`.
void Draw3dRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

LayoutRect ToLayout(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

RECT FromLayout(const LayoutRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

CSkinButton::CSkinButton() {
    SetDefaultColours(false);
}

void CSkinButton::OnSubclassed() {
    LONG_PTR style = GetWindowLongPtrW(Hwnd(), GWL_STYLE);
    LONG_PTR type = style & BS_TYPEMASK;
    checkBox_ = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
    default_ = type == BS_DEFPUSHBUTTON;
    SetWindowLongPtrW(Hwnd(), GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
}

int CSkinButton::SetBitmaps(int hoverId, COLORREF hoverKey, int normalId, COLORREF normalKey,
                            HINSTANCE module) {
    hoverImage_.Reset();
    normalImage_.Reset();
    HINSTANCE from = module ? module : GetModuleHandleW(nullptr);
    auto fail = [this](int result) {
        hoverImage_.Reset();
        normalImage_.Reset();
        return result;
    };

    HBITMAP hover = hoverId == kNoImage ? nullptr : LoadBitmapResource(hoverId, from);
    if (hoverId != kNoImage && !hover) return fail(kUnreadable);
    HBITMAP normal = nullptr;
    if (normalId == kGreyCopy || normalId == kDarkerCopy) {
        normal = !hover                  ? nullptr
                 : normalId == kGreyCopy ? MakeGreyCopy(hover, hoverKey)
                                         : MakeDarkerCopy(hover, hoverKey);
        normalKey = hoverKey;
    } else if (normalId != kNoImage) {
        normal = LoadBitmapResource(normalId, from);
    }
    // From here on both bitmaps belong to the images, even when making them fails.
    int hoverResult = hover ? hoverImage_.Make(hover, hoverKey) : CMaskedImage::kDone;
    int normalResult = normal ? normalImage_.Make(normal, normalKey) : CMaskedImage::kDone;
    if (normalId != kNoImage && !normal) return fail(kUnreadable);
    if (hoverResult != CMaskedImage::kDone) return fail(hoverResult);
    if (normalResult != CMaskedImage::kDone) return fail(normalResult);
    Repaint(true);
    return kDone;
}

void CSkinButton::SetTransparent(bool repaint) {
    transparent_ = true;
    backdrop_.Reset();
    Repaint(repaint);
}

int CSkinButton::RefreshBackground(HDC parentDc) {
    if (!transparent_ || !parentDc || !Hwnd()) return kNotTransparent;
    backdrop_.Refresh(Hwnd(), parentDc);
    return kDone;
}

void CSkinButton::SetTooltipText(std::string_view text, bool active) {
    if (!Hwnd() || !tooltip_.Create(Hwnd(), kTooltipWidth)) return;
    tooltip_.SetText(text);
    tooltip_.Activate(active);
}

void CSkinButton::SetColour(Colour which, COLORREF colour, bool repaint) {
    colours_[which] = colour;
    Repaint(repaint);
}

void CSkinButton::SetDefaultColours(bool repaint) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
    colours_[kBackHover] = colours_[kBackFocus] = colours_[kBackNormal] = face;
    colours_[kTextHover] = colours_[kTextFocus] = colours_[kTextNormal] = text;
    Repaint(repaint);
}

void CSkinButton::SetFlat(bool flat, bool repaint) {
    flat_ = flat;
    Repaint(repaint);
}

void CSkinButton::SetFlatFocus(bool drawFocus, bool repaint) {
    flatFocus_ = drawFocus;
    Repaint(repaint);
}

void CSkinButton::SetDrawBorder(bool drawBorder, bool repaint) {
    drawBorder_ = drawBorder;
    Repaint(repaint);
}

void CSkinButton::SetMargins(int image, int text, bool repaint) {
    imageMargin_ = image;
    textMargin_ = text;
    Repaint(repaint);
}

void CSkinButton::SetPressedOffset(int x, int y, bool repaint) {
    pressedOffset_ = {x, y};
    Repaint(repaint);
}

void CSkinButton::SetPlacement(Placement placement, bool repaint) {
    placement_ = placement;
    Repaint(repaint);
}

void CSkinButton::SetDefault(bool isDefault, bool repaint) {
    default_ = isDefault;
    Repaint(repaint);
}

void CSkinButton::SetHoverSound(std::string_view name, HMODULE module, DWORD flags) {
    hoverSound_.Set(name, module, flags);
}

void CSkinButton::SetClickSound(std::string_view name, HMODULE module, DWORD flags) {
    clickSound_.Set(name, module, flags);
}

bool CSkinButton::SetMenu(int menuId, HWND owner, HINSTANCE module, bool repaint) {
    const bool loaded = menu_.Load(menuId, owner, module);
    Repaint(repaint);
    return loaded;
}

void CSkinButton::SetMenuCallback(HWND window, UINT message) {
    menu_.SetCallback(window, message);
}

void CSkinButton::SetLink(std::string_view link) {
    link_.Set(link);
}

void CSkinButton::Repaint(bool repaint) {
    if (repaint && Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

bool CSkinButton::TrackingAllowed() const {
    return alwaysTrack_ || GetActiveWindow() == GetAncestor(Hwnd(), GA_ROOT);
}

void CSkinButton::OnMouseMove(WPARAM keys, POINT client) {
    if (!flat_ || ((keys & MK_LBUTTON) && !hovered_) || !TrackingAllowed()) return;
    POINT screen = client;
    ClientToScreen(Hwnd(), &screen);
    bool over = WindowFromPoint(screen) == Hwnd();
    if (over && !hovered_) {
        hovered_ = true;
        Repaint(true);
        hoverSound_.Play();
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
        TrackMouseEvent(&track);
    } else if (!over && hovered_) {
        EndHover();
    }
}

void CSkinButton::EndHover() {
    if (!hovered_) return;
    hovered_ = false;
    Repaint(true);
}

bool CSkinButton::OnReflectedCommand(int code) {
    if (code == BN_CLICKED) OnClicked();
    return false; // the dialog acts on the click as well
}

void CSkinButton::OnClicked() {
    SetFocus(Hwnd());
    clickSound_.Play();
    if (checkBox_) {
        checked_ = !checked_;
        Repaint(true);
    } else if (menu_) {
        ShowMenu();
    } else if (!link_.Empty()) {
        link_.Open();
    }
}

void CSkinButton::ShowMenu() {
    menuOpen_ = true;
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    menu_.Open(Hwnd());
    menuOpen_ = false;
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool CSkinButton::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool pressed = checkBox_ ? (selected || checked_) : (selected || menuOpen_);

    RECT area = item.rcItem;
    DrawBackground(dc, area, pressed, focused);
    DrawBorder(dc, area, pressed);
    DrawImageAndText(dc, area, ImageFor(pressed), pressed, disabled, focused);
    if (focused && (!flat_ || flatFocus_)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

void CSkinButton::DrawBackground(HDC dc, RECT& area, bool pressed, bool focused) {
    if (transparent_) {
        backdrop_.Draw(Hwnd(), dc, area);
        return;
    }
    if (!flat_ && (focused || default_)) {
        FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&area, -1, -1);
    }
    COLORREF colour = (hovered_ || pressed) ? colours_[kBackHover]
                      : focused             ? colours_[kBackFocus]
                                            : colours_[kBackNormal];
    FillSolid(dc, area, colour);
}

void CSkinButton::DrawBorder(HDC dc, const RECT& area, bool pressed) const {
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    if (pressed) {
        if (flat_) {
            if (drawBorder_) Draw3dRect(dc, area, shadow, highlight);
        } else {
            CBrushHandle brush(CreateSolidBrush(shadow));
            FrameRect(dc, &area, brush.Get());
        }
    } else if (!flat_) {
        Draw3dRect(dc, area, highlight, GetSysColor(COLOR_3DDKSHADOW));
        RECT inner = area;
        InflateRect(&inner, -1, -1);
        Draw3dRect(dc, inner, GetSysColor(COLOR_3DLIGHT), shadow);
    } else if (hovered_ && drawBorder_) {
        Draw3dRect(dc, area, highlight, shadow);
    }
}

const CMaskedImage* CSkinButton::ImageFor(bool pressed) const {
    const bool wantHover = pressed || (hovered_ && !checkBox_);
    if (wantHover && hoverImage_) return &hoverImage_;
    if (normalImage_) return &normalImage_;
    return hoverImage_ ? &hoverImage_ : nullptr;
}

void CSkinButton::DrawImageAndText(HDC dc, const RECT& area, const CMaskedImage* image, bool pressed,
                                   bool disabled, bool focused) {
    const std::wstring text = WindowText(Hwnd());
    // A check box shows its state by its image; only a pushed button moves its face.
    const LayoutPoint shift =
        pressed && !checkBox_ ? LayoutPoint{pressedOffset_.x, pressedOffset_.y} : LayoutPoint{};
    std::optional<LayoutSize> imageSize;
    if (image) imageSize = LayoutSize{image->Width(), image->Height()};
    const ButtonLayout layout = LayOutButton(
        {ToLayout(area), imageSize, !text.empty(), placement_, imageMargin_, textMargin_, shift});
    if (image) {
        if (disabled) {
            image->DrawDisabled(dc, layout.image.x, layout.image.y);
        } else {
            image->Draw(dc, layout.image.x, layout.image.y);
        }
    }
    if (text.empty()) return;

    const HGDIOBJ font = ControlFont(Hwnd());
    const UINT format = DT_WORDBREAK | DT_CENTER;
    RECT measured = FromLayout(layout.textArea);
    {
        CSelectObject selectFont(dc, font);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    }
    RECT textRect = FromLayout(
        CentreText(layout.textArea, {measured.right - measured.left, measured.bottom - measured.top}, shift));
    if (disabled) {
        // Embossed: a light copy one pixel down and right under the shadow-coloured text.
        RECT embossed = textRect;
        OffsetRect(&embossed, 1, 1);
        DrawClearText(dc, font, text, embossed, format, GetSysColor(COLOR_3DHILIGHT));
        DrawClearText(dc, font, text, textRect, format, GetSysColor(COLOR_3DSHADOW));
        return;
    }
    const COLORREF colour = (hovered_ || pressed) ? colours_[kTextHover]
                            : focused             ? colours_[kTextFocus]
                                                  : colours_[kTextNormal];
    DrawClearText(dc, font, text, textRect, format, colour);
}

LRESULT CSkinButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    tooltip_.Relay(msg, wParam, lParam);
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_MOUSELEAVE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
        EndHover();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) EndHover();
        break;
    case WM_ENABLE:
        if (!wParam) {
            if (GetFocus() == Hwnd()) {
                HWND parent = GetParent(Hwnd());
                HWND next = GetNextDlgTabItem(parent, Hwnd(), FALSE);
                SetFocus(next && next != Hwnd() ? next : parent);
            }
            EndHover();
        }
        break;
    case WM_LBUTTONDBLCLK:
        return DefaultProc(WM_LBUTTONDOWN, wParam, lParam);
    case WM_ERASEBKGND:
        return TRUE; // DrawItem covers every pixel
    case WM_SETCURSOR:
        if (cursor_) {
            ::SetCursor(cursor_);
            return TRUE;
        }
        break;
    case WM_GETDLGCODE:
        return DefaultProc(msg, wParam, lParam) | (default_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case BM_SETSTYLE:
        default_ = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        return DefaultProc(msg, (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, lParam);
    case BM_GETCHECK:
        if (checkBox_) return checked_ ? BST_CHECKED : BST_UNCHECKED;
        break;
    case BM_SETCHECK:
        if (checkBox_) {
            checked_ = wParam == BST_CHECKED || wParam == BST_INDETERMINATE;
            Repaint(true);
            return 0;
        }
        break;
    case WM_SYSCOLORCHANGE:
        SetDefaultColours(false);
        backdrop_.Reset();
        Repaint(true);
        break;
    default:
        break;
    }
    return CWindow::WindowProc(msg, wParam, lParam);
}

} // namespace nook
