#include "skin/ClearLabel.h"

#include "skin/ClearText.h"
#include "skin/TransparentRepaint.h"

namespace nook {

void CClearLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    if (Hwnd()) RepaintOverParent(Hwnd());
}

UINT CClearLabel::TextFlags() const {
    const LONG_PTR style = GetWindowLongPtrW(Hwnd(), GWL_STYLE);
    const LONG_PTR type = style & SS_TYPEMASK;
    const LONG_PTR ellipsis = style & SS_ELLIPSISMASK;
    UINT flags = 0;
    if (type == SS_CENTER) flags |= DT_CENTER;
    if (type == SS_RIGHT) flags |= DT_RIGHT;
    if (style & SS_CENTERIMAGE) flags |= DT_VCENTER | DT_SINGLELINE;
    if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
    if (ellipsis == SS_ENDELLIPSIS) flags |= DT_END_ELLIPSIS;
    if (ellipsis == SS_PATHELLIPSIS) flags |= DT_PATH_ELLIPSIS;
    if (ellipsis == SS_WORDELLIPSIS) flags |= DT_WORD_ELLIPSIS;
    if (ellipsis == 0 && !(style & SS_CENTERIMAGE) && type != SS_LEFTNOWORDWRAP) flags |= DT_WORDBREAK;
    return flags;
}

void CClearLabel::Paint(HDC dc) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    if (!transparent_) FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawClearText(dc, ControlFont(Hwnd()), WindowText(Hwnd()), client, TextFlags(),
                  GetSysColor(COLOR_WINDOWTEXT));
}

LRESULT CClearLabel::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        if (transparent_) return TRUE; // the parent's pixels stay
        break;
    case WM_SETTEXT: {
        // The static control would paint the new text over the old one at once; the
        // plain window procedure only stores it (statics keep their text there).
        LRESULT result = DefWindowProcW(Hwnd(), msg, wParam, lParam);
        RepaintOverParent(Hwnd());
        return result;
    }
    default:
        break;
    }
    return CPaintedWindow::WindowProc(msg, wParam, lParam);
}

} // namespace nook
