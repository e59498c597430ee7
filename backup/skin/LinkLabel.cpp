#include "skin/LinkLabel.h"

#include "skin/ClearText.h"
#include "skin/TransparentRepaint.h"

namespace nook {

namespace {

constexpr UINT_PTR kLeaveTimerId = 100;
constexpr UINT kLeaveTimerMs = 100;
constexpr COLORREF kNormalColour = RGB(0, 0, 238);
constexpr COLORREF kHoverColour = RGB(255, 0, 0);
constexpr int kHelpCursorId = 106;

} // namespace

void CLinkLabel::OnSubclassed() {
    SetWindowLongPtrW(Hwnd(), GWL_STYLE, GetWindowLongPtrW(Hwnd(), GWL_STYLE) | SS_NOTIFY);
    if (linkText_.empty()) linkText_ = GetText();
    MakeFonts();
    FitToText();
    LoadHandCursor();
    AddTooltip();
}

void CLinkLabel::MakeFonts() {
    HGDIOBJ base = ControlFont(Hwnd());
    if (!base) base = GetStockObject(SYSTEM_FONT);
    LOGFONTW logFont{};
    GetObjectW(base, sizeof(logFont), &logFont);
    font_.Reset(CreateFontIndirectW(&logFont));
    logFont.lfUnderline = TRUE;
    underlined_.Reset(CreateFontIndirectW(&logFont));
}

void CLinkLabel::FitToText() {
    HWND parent = GetParent(Hwnd());
    RECT rect;
    GetWindowRect(Hwnd(), &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);

    std::wstring text = WindowText(Hwnd());
    SIZE size{};
    {
        CWindowDC dc(Hwnd());
        CSelectObject select(dc.Get(), font_.Get());
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    }
    const LONG_PTR type = GetWindowLongPtrW(Hwnd(), GWL_STYLE) & SS_TYPEMASK;
    int left = rect.left;
    if (type == SS_CENTER) left = (rect.left + rect.right - size.cx) / 2;
    if (type == SS_RIGHT) left = rect.right - size.cx;
    const int top = (rect.top + rect.bottom - size.cy) / 2;
    SetWindowPos(Hwnd(), nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLinkLabel::LoadHandCursor() {
    wchar_t windows[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    std::wstring helpProgram = std::wstring(windows, length) + L"\\winhlp32.exe";
    HMODULE module = LoadLibraryExW(helpProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return;
    if (HCURSOR hand = LoadCursorW(module, MAKEINTRESOURCEW(kHelpCursorId))) cursor_.Reset(CopyIcon(hand));
    FreeLibrary(module);
}

void CLinkLabel::AddTooltip() {
    if (tooltip_.Create(Hwnd())) tooltip_.SetText(linkText_);
}

void CLinkLabel::SetHovered(bool hovered) {
    if (hovered == hovered_) return;
    hovered_ = hovered;
    if (hovered) {
        leaveTimer_.Start(Hwnd(), kLeaveTimerId, kLeaveTimerMs);
    } else {
        leaveTimer_.Stop();
    }
    RepaintOverParent(Hwnd());
}

void CLinkLabel::Paint(HDC dc) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    DrawClearText(dc, (hovered_ ? underlined_ : font_).Get(), WindowText(Hwnd()), client,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX, hovered_ ? kHoverColour : kNormalColour);
}

LRESULT CLinkLabel::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    tooltip_.Relay(msg, wParam, lParam);
    switch (msg) {
    case WM_ERASEBKGND:
        return TRUE; // transparent: the parent's pixels stay
    case WM_MOUSEMOVE:
        SetHovered(true);
        break;
    case WM_TIMER:
        if (wParam == kLeaveTimerId) {
            POINT pointer;
            GetCursorPos(&pointer);
            ScreenToClient(Hwnd(), &pointer);
            RECT client;
            GetClientRect(Hwnd(), &client);
            if (!PtInRect(&client, pointer)) SetHovered(false);
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (cursor_) {
            SetCursor(cursor_.Get());
            return TRUE;
        }
        break;
    default:
        break;
    }
    return CPaintedWindow::WindowProc(msg, wParam, lParam);
}

} // namespace nook
