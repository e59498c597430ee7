#include "player/MovieStage.h"

#include "core/MovieAddress.h"
#include "platform/win32/WideText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace nook {

namespace {

constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kFrameMs = 40;
// The pointer may tremble this far (in pixels) before it counts as moved.
constexpr int kPointerSlack = 4;

CFontHandle MakeFont(int height, int weight) {
    // GB2312 lets the font mapper pick a face that has the Chinese characters.
    return CFontHandle(CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                   DEFAULT_PITCH | FF_SWISS, L"Microsoft YaHei"));
}

SIZE TextSize(HDC dc, HFONT font, const std::wstring& text) {
    CSelectObject select(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void DrawCentred(HDC dc, HFONT font, const std::wstring& text, int x, int y, COLORREF colour) {
    CSelectObject select(dc, font);
    SetTextColor(dc, colour);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

COLORREF Dimmed(int r, int g, int b, double level) {
    return RGB(static_cast<int>(r * level), static_cast<int>(g * level), static_cast<int>(b * level));
}

} // namespace

bool CMovieStage::CreateInPlaceOf(HWND dialog, int placeholderId) {
    HWND placeholder = GetDlgItem(dialog, placeholderId);
    if (!placeholder) return false;
    RECT rect;
    GetWindowRect(placeholder, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    DWORD style = WS_TABSTOP | WS_CLIPSIBLINGS | (GetWindowLongPtrW(placeholder, GWL_STYLE) & WS_VISIBLE);
    // Created without the id first, so that no moment has two windows with it.
    if (!CreateChild(dialog, 0, rect, style)) return false;
    SetWindowPos(Hwnd(), placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(placeholder);
    SetWindowLongPtrW(Hwnd(), GWLP_ID, placeholderId);
    inPreview_ = (GetWindowLongPtrW(dialog, GWL_STYLE) & WS_CHILD) != 0;
    startTick_ = GetTickCount64();
    timer_.Start(Hwnd(), kAnimationTimer, kFrameMs);
    return true;
}

void CMovieStage::SetBackgroundColor(long colour) {
    background_ = RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CMovieStage::LoadMovie(long, const std::string& address) {
    movieName_ = MovieFileName(address);
    answersInput_ = !inPreview_;
    pointerSeen_ = false;
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CMovieStage::Leave() {
    events_.OnFSCommand("app.exit", "");
}

void CMovieStage::OnPointer(POINT point) {
    if (!answersInput_) return;
    if (!pointerSeen_) {
        pointerSeen_ = true;
        firstPointer_ = point;
        return;
    }
    if (std::abs(point.x - firstPointer_.x) > kPointerSlack ||
        std::abs(point.y - firstPointer_.y) > kPointerSlack)
        Leave();
}

void CMovieStage::MakeFonts(int clientHeight) {
    // Sizes follow the window, down to what stays legible in a small preview.
    titleFont_ = MakeFont(std::max(clientHeight / 9, 12), FW_NORMAL);
    movieFont_ = MakeFont(std::max(clientHeight / 26, 9), FW_NORMAL);
}

void CMovieStage::Paint(HDC dc, const RECT& client) {
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    if (!titleFont_) MakeFonts(height);

    // Drawn off screen and copied in one piece, so the drifting text never flickers.
    CMemoryDC buffer(dc);
    CBitmapHandle bitmap(CreateCompatibleBitmap(dc, width, height));
    CSelectObject selectBitmap(buffer.Get(), bitmap.Get());
    CBrushHandle brush(CreateSolidBrush(background_));
    RECT all{0, 0, width, height};
    FillRect(buffer.Get(), &all, brush.Get());
    SetBkMode(buffer.Get(), TRANSPARENT);

    std::wstring title = WindowText(GetParent(Hwnd()));
    std::wstring movie = platform::ToWide(movieName_);
    SIZE titleSize = TextSize(buffer.Get(), titleFont_.Get(), title);
    SIZE movieSize = TextSize(buffer.Get(), movieFont_.Get(), movie);
    int blockHeight = titleSize.cy + movieSize.cy;
    int blockWidth = std::max(titleSize.cx, movieSize.cx);

    // From the centre along two slow sines of unrelated periods: a path that takes
    // minutes to repeat, kept inside the window.
    double seconds = static_cast<double>(GetTickCount64() - startTick_) / 1000.0;
    double roomX = std::max(0, width - blockWidth) / 2.0;
    double roomY = std::max(0, height - blockHeight) / 2.0;
    int x = static_cast<int>(width / 2.0 + roomX * 0.8 * std::sin(seconds * 0.21));
    int y = static_cast<int>(roomY + roomY * 0.8 * std::sin(seconds * 0.13));
    double glow = 0.8 + 0.2 * std::sin(seconds * 0.6);

    DrawCentred(buffer.Get(), titleFont_.Get(), title, x, y, Dimmed(0xF2, 0xE6, 0xC4, glow));
    DrawCentred(buffer.Get(), movieFont_.Get(), movie, x, y + titleSize.cy, Dimmed(0x9A, 0xA8, 0xBC, glow));
    BitBlt(dc, client.left, client.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

LRESULT CMovieStage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TIMER:
        if (wParam == kAnimationTimer) InvalidateRect(Hwnd(), nullptr, FALSE);
        return 0;
    case WM_SIZE:
        MakeFonts(HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        CPaintDC paint(Hwnd());
        RECT client;
        GetClientRect(Hwnd(), &client);
        Paint(paint.Get(), client);
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS; // every key is the movie's, as it is with Flash
    case WM_SETCURSOR:
        if (answersInput_) {
            SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
        OnPointer(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (answersInput_) {
            Leave();
            return 0;
        }
        break;
    default:
        break;
    }
    return CWindow::WindowProc(msg, wParam, lParam);
}

} // namespace nook
