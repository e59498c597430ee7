#include "stage/StageDrawing.h"

#include "platform/win32/WideText.h"

#include <algorithm>
#include <cmath>

namespace nook {

namespace {

constexpr COLORREF kCaptionText = RGB(0xF6, 0xEB, 0xD2);
constexpr COLORREF kCaptionShadow = RGB(0x28, 0x1C, 0x12);

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
    return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(colour) << 8), static_cast<COLOR16>(GetGValue(colour) << 8),
                     static_cast<COLOR16>(GetBValue(colour) << 8), 0};
}

} // namespace

RectF FitCentred(SIZE picture, const RECT& area) {
    double width = area.right - area.left;
    double height = area.bottom - area.top;
    if (picture.cx <= 0 || picture.cy <= 0) return RectF{0, 0, 0, 0};
    double scale = std::min(width / picture.cx, height / picture.cy);
    double w = picture.cx * scale;
    double h = picture.cy * scale;
    double left = area.left + (width - w) / 2;
    double top = area.top + (height - h) / 2;
    return RectF{left, top, left + w, top + h};
}

void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
    TRIVERTEX vertices[2] = {Vertex(rect.left, rect.top, top), Vertex(rect.right, rect.bottom, bottom)};
    GRADIENT_RECT span{0, 1};
    GradientFill(dc, vertices, 2, &span, 1, GRADIENT_FILL_RECT_V);
}

void BlendPicture(HDC dc, const StagePicture& picture, const RectF& target, const RECT& clip, double opacity) {
    if (opacity <= 0.0 || target.Width() <= 0.0 || target.Height() <= 0.0) return;
    // The part of the target inside the clip, and the part of the picture it shows.
    double left = std::max<double>(target.left, clip.left);
    double top = std::max<double>(target.top, clip.top);
    double right = std::min<double>(target.right, clip.right);
    double bottom = std::min<double>(target.bottom, clip.bottom);
    if (right - left < 1.0 || bottom - top < 1.0) return;
    double scaleX = picture.size.cx / target.Width();
    double scaleY = picture.size.cy / target.Height();
    int sx = std::clamp(static_cast<int>((left - target.left) * scaleX), 0, static_cast<int>(picture.size.cx) - 1);
    int sy = std::clamp(static_cast<int>((top - target.top) * scaleY), 0, static_cast<int>(picture.size.cy) - 1);
    int sw = std::clamp(static_cast<int>(std::lround((right - left) * scaleX)), 1, static_cast<int>(picture.size.cx) - sx);
    int sh = std::clamp(static_cast<int>(std::lround((bottom - top) * scaleY)), 1, static_cast<int>(picture.size.cy) - sy);
    int dx = static_cast<int>(std::lround(left));
    int dy = static_cast<int>(std::lround(top));
    int dw = static_cast<int>(std::lround(right)) - dx;
    int dh = static_cast<int>(std::lround(bottom)) - dy;

    CMemoryDC source(dc);
    CSelectObject select(source.Get(), picture.bitmap.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(opacity, 0.0, 1.0) * 255.0 + 0.5), AC_SRC_ALPHA};
    AlphaBlend(dc, dx, dy, dw, dh, source.Get(), sx, sy, sw, sh, blend);
}

uint32_t* PixelsOf(const StagePicture& picture) {
    DIBSECTION section{};
    if (!GetObjectW(picture.bitmap.Get(), sizeof(section), &section)) return nullptr;
    return static_cast<uint32_t*>(section.dsBm.bmBits);
}

uint32_t Premultiplied(int red, int green, int blue, double alpha) {
    auto a = static_cast<uint32_t>(std::clamp(alpha, 0.0, 1.0) * 255.0 + 0.5);
    auto scale = [a](int c) { return static_cast<uint32_t>(c) * a / 255; };
    return a << 24 | scale(red) << 16 | scale(green) << 8 | scale(blue);
}

CFontHandle MakeStageFont(int height) {
    // GB2312 lets the font mapper pick a face that has the Chinese characters.
    return CFontHandle(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                   DEFAULT_PITCH | FF_SWISS, L"Microsoft YaHei"));
}

void DrawCaption(HDC dc, HFONT font, const std::string& caption, const RECT& area, double opacity) {
    if (caption.empty() || opacity < 0.5) return;
    std::wstring text = platform::ToWide(caption);
    CSelectObject select(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int margin = std::max(4L, metrics.tmHeight);
    int x = area.right - margin;
    int y = area.bottom - margin / 2;
    // A shadow on every side, so the text reads on light and dark photos alike.
    SetTextColor(dc, kCaptionShadow);
    for (POINT offset : {POINT{-1, 0}, POINT{1, 0}, POINT{0, -1}, POINT{0, 1}, POINT{2, 2}})
        TextOutW(dc, x + offset.x, y + offset.y, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, kCaptionText);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void DrawRestingScreen(HDC dc, SIZE client, HFONT font, const std::wstring& name) {
    RECT all{0, 0, client.cx, client.cy};
    FillGradient(dc, all, RGB(0xD9, 0x8E, 0x4A), RGB(0x6E, 0x32, 0x1E));
    CSelectObject select(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kCaptionText);
    DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

double EaseOut(double t) {
    t = std::clamp(t, 0.0, 1.0);
    double rest = 1.0 - t;
    return 1.0 - rest * rest * rest;
}

double CStageRandom::Between(double low, double high) {
    // xorshift32: quick, and good enough to scatter prints and drops.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return low + (high - low) * (state_ / 4294967296.0);
}

} // namespace nook
