// The eight bitmaps of a frame around a rectangle: four corners drawn as they are and
// four edges stretched between them. The main window's outer frame and the panel frames
// are both drawn this way.
#pragma once

#include "framework/GdiHandles.h"
#include "skin/SkinBitmap.h"

#include <array>

namespace nook {

class CFrameBitmaps {
  public:
    enum Piece { kTopLeft, kTop, kTopRight, kLeft, kRight, kBottomLeft, kBottom, kBottomRight, kPieceCount };
    // Bitmap resources of the program, in the order of Piece.
    using Ids = std::array<int, kPieceCount>;

    // False when one of them could not be loaded; the others are loaded all the same.
    bool Load(const Ids& ids);

    const CSkinBitmap& operator[](Piece piece) const { return pieces_[piece]; }

    // Draws the frame along the inside of `area`.
    void Draw(HDC dc, const RECT& area) const;
    // The shape of a window framed along `area`: the corners less their magenta pixels,
    // the edges and the interior whole. Empty when the region cannot be made.
    CRegionHandle MakeRegion(const RECT& area) const;

  private:
    // Where each piece goes for a frame along `area`.
    std::array<RECT, kPieceCount> Places(const RECT& area) const;

    CSkinBitmap pieces_[kPieceCount];
};

} // namespace nook
