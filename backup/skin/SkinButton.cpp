#include "skin/SkinButton.h"

#include "skin/ImageCopies.h"
#include "framework/ShellOpen.h"
#include "platform/win32/WideText.h"

#include <mmsystem.h>
#include <windowsx.h>

#include <vector>

namespace nook {

namespace {

constexpr size_t kMaxLink = 260;
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

// Copies the parent's pixels under `button` from `parentDc` into a new bitmap.
HBITMAP CopyParentArea(HWND button, HDC parentDc) {
    RECT rect;
    GetWindowRect(button, &rect);
    MapWindowPoints(nullptr, GetParent(button), reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HBITMAP copy = CreateCompatibleBitmap(parentDc, width, height);
    if (!copy) return nullptr;
    CMemoryDC memory(parentDc);
    CSelectObject select(memory.Get(), copy);
    BitBlt(memory.Get(), 0, 0, width, height, parentDc, rect.left, rect.top, SRCCOPY);
    return copy;
}

} // namespace

void CSkinButton::Sound::Play() const {
    if (!name.empty()) PlaySoundW(name.c_str(), module, flags);
}

CSkinButton::CSkinButton() {
    SetDefaultColours(false);
}

CSkinButton::~CSkinButton() {
    if (menu_) DestroyMenu(menu_);
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
    background_.Reset();
    Repaint(repaint);
}

int CSkinButton::RefreshBackground(HDC parentDc) {
    if (!transparent_ || !parentDc || !Hwnd()) return kNotTransparent;
    background_.Reset(CopyParentArea(Hwnd(), parentDc));
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
    hoverSound_ = {platform::ToWide(name), module, flags};
}

void CSkinButton::SetClickSound(std::string_view name, HMODULE module, DWORD flags) {
    clickSound_ = {platform::ToWide(name), module, flags};
}

bool CSkinButton::SetMenu(int menuId, HWND owner, HINSTANCE module, bool repaint) {
    if (menu_) DestroyMenu(menu_);
    menu_ = LoadMenuW(module ? module : GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId));
    menuOwner_ = owner;
    Repaint(repaint);
    return menu_ != nullptr;
}

void CSkinButton::SetMenuCallback(HWND window, UINT message) {
    menuCallbackWindow_ = window;
    menuCallbackMessage_ = message;
}

void CSkinButton::SetLink(std::string_view link) {
    link_ = std::string(link.substr(0, kMaxLink));
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
    } else if (!link_.empty()) {
        ShellOpen(link_, SW_SHOWMAXIMIZED);
    }
}

void CSkinButton::ShowMenu() {
    menuOpen_ = true;
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    if (menuCallbackWindow_ && menuCallbackMessage_)
        SendMessageW(menuCallbackWindow_, menuCallbackMessage_, reinterpret_cast<WPARAM>(menu_), 0);
    RECT rect;
    GetWindowRect(Hwnd(), &rect);
    UINT command =
        TrackPopupMenuEx(GetSubMenu(menu_, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                         rect.left, rect.bottom, Hwnd(), nullptr);
    menuOpen_ = false;
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    if (command != 0 && menuOwner_) PostMessageW(menuOwner_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
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
        if (!background_) {
            CWindowDC parent(GetParent(Hwnd()));
            background_.Reset(CopyParentArea(Hwnd(), parent.Get()));
        }
        CMemoryDC memory(dc);
        CSelectObject select(memory.Get(), background_.Get());
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), 0, 0,
               SRCCOPY);
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
    std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(Hwnd())) + 1);
    const int length = GetWindowTextW(Hwnd(), text.data(), static_cast<int>(text.size()));
    const bool shift = pressed && !checkBox_;
    const int width = area.right - area.left, height = area.bottom - area.top;

    RECT textArea = area;
    if (image) {
        const int iw = image->Width(), ih = image->Height();
        int x = area.left + (width - iw) / 2;
        int y = area.top + (height - ih) / 2;
        switch (placement_) {
        case Placement::ImageLeft:
            x = area.left + imageMargin_;
            textArea.left = x + iw;
            break;
        case Placement::ImageAbove:
            y = area.top + textMargin_;
            textArea.top = y + ih;
            break;
        case Placement::ImageRight:
            x = area.right - imageMargin_ - iw;
            textArea.right = x;
            break;
        }
        if (length == 0) {
            x = area.left + (width - iw) / 2;
            if (placement_ != Placement::ImageRight) y = area.top + (height - ih) / 2;
        }
        if (shift) {
            x += pressedOffset_.x;
            y += pressedOffset_.y;
        }
        if (disabled) {
            image->DrawDisabled(dc, x, y);
        } else {
            image->Draw(dc, x, y);
        }
    }
    if (length == 0) return;

    auto font = reinterpret_cast<HFONT>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0));
    CSelectObject selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    RECT textRect = textArea;
    DrawTextW(dc, text.data(), length, &textRect, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    OffsetRect(&textRect,
               textArea.left - textRect.left +
                   ((textArea.right - textArea.left) - (textRect.right - textRect.left)) / 2,
               textArea.top - textRect.top +
                   ((textArea.bottom - textArea.top) - (textRect.bottom - textRect.top)) / 2);
    if (shift) OffsetRect(&textRect, pressedOffset_.x, pressedOffset_.y);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    if (disabled) {
        OffsetRect(&textRect, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, text.data(), length, &textRect, DT_WORDBREAK | DT_CENTER);
        OffsetRect(&textRect, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
    } else {
        SetTextColor(dc, (hovered_ || pressed) ? colours_[kTextHover]
                         : focused             ? colours_[kTextFocus]
                                               : colours_[kTextNormal]);
    }
    DrawTextW(dc, text.data(), length, &textRect, DT_WORDBREAK | DT_CENTER);
    SetBkMode(dc, oldMode);
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
        background_.Reset();
        Repaint(true);
        break;
    default:
        break;
    }
    return CWindow::WindowProc(msg, wParam, lParam);
}

} // namespace nook
