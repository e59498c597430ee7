#include "skin/FrameBitmaps.h"

#include "skin/BitmapRegion.h"
#include "skin/SkinColours.h"

namespace nook {

namespace {

using Piece = CFrameBitmaps::Piece;

constexpr Piece kCorners[] = {CFrameBitmaps::kTopLeft, CFrameBitmaps::kTopRight, CFrameBitmaps::kBottomLeft,
                              CFrameBitmaps::kBottomRight};
constexpr Piece kEdges[] = {CFrameBitmaps::kTop, CFrameBitmaps::kBottom, CFrameBitmaps::kLeft,
                            CFrameBitmaps::kRight};

void UniteRect(HRGN target, const RECT& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    CRegionHandle part(CreateRectRgnIndirect(&rect));
    if (part) CombineRgn(target, target, part.Get(), RGN_OR);
}

} // namespace

bool CFrameBitmaps::Load(const Ids& ids) {
    bool all = true;
    for (int i = 0; i < kPieceCount; ++i)
        all = pieces_[i].Load(ids[i]) && all;
    return all;
}

std::array<RECT, CFrameBitmaps::kPieceCount> CFrameBitmaps::Places(const RECT& s) const {
    auto width = [this](Piece piece) { return pieces_[piece].Width(); };
    auto height = [this](Piece piece) { return pieces_[piece].Height(); };
    std::array<RECT, kPieceCount> at{};
    at[kTopLeft] = {s.left, s.top, s.left + width(kTopLeft), s.top + height(kTopLeft)};
    at[kTopRight] = {s.right - width(kTopRight), s.top, s.right, s.top + height(kTopRight)};
    at[kBottomLeft] = {s.left, s.bottom - height(kBottomLeft), s.left + width(kBottomLeft), s.bottom};
    at[kBottomRight] = {s.right - width(kBottomRight), s.bottom - height(kBottomRight), s.right, s.bottom};
    at[kTop] = {at[kTopLeft].right, s.top, at[kTopRight].left, s.top + height(kTop)};
    at[kBottom] = {at[kBottomLeft].right, s.bottom - height(kBottom), at[kBottomRight].left, s.bottom};
    at[kLeft] = {s.left, at[kTopLeft].bottom, s.left + width(kLeft), at[kBottomLeft].top};
    at[kRight] = {s.right - width(kRight), at[kTopRight].bottom, s.right, at[kBottomRight].top};
    return at;
}

void CFrameBitmaps::Draw(HDC dc, const RECT& area) const {
    const auto at = Places(area);
    auto draw = [&](Piece piece) {
        const RECT& r = at[piece];
        pieces_[piece].Draw(dc, r.left, r.top, r.right - r.left, r.bottom - r.top);
    };
    // Corners at their own size, then the edges stretched between them.
    for (Piece corner : kCorners)
        draw(corner);
    for (Piece edge : kEdges)
        draw(edge);
}

CRegionHandle CFrameBitmaps::MakeRegion(const RECT& area) const {
    CRegionHandle window(CreateRectRgn(0, 0, 0, 0));
    if (!window) return window;
    const auto at = Places(area);
    for (Piece corner : kCorners) {
        CRegionHandle part(
            BitmapToRegion(pieces_[corner].Get(), at[corner].left, at[corner].top, kMagenta, kSkinTolerance));
        if (part) CombineRgn(window.Get(), window.Get(), part.Get(), RGN_OR);
    }
    for (Piece edge : kEdges)
        UniteRect(window.Get(), at[edge]);
    UniteRect(window.Get(), {at[kLeft].right, at[kTop].bottom, at[kRight].left, at[kBottom].top});
    return window;
}

} // namespace nook
