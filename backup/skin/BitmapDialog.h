#pragma once

#include "framework/Dialog.h"
#include "skin/ShapedBackground.h"

namespace nook {

// A dialog drawn on a background bitmap, optionally shaped by it and moved by a press
// anywhere in it.
class CBitmapDialog : public CDialog {
  public:
    enum Result { kDone = 0, kBadPlacement = 2 };
    // How the bitmap covers the client area.
    enum Placement {
        kTile = 0,
        kCentre = 1,
        kStretch = 2,
        kTileTop = 3,
        kTileBottom = 4,
        kTileLeft = 5,
        kTileRight = 6,
        kTopLeft = 7,
        kTopRight = 8,
        kTopCentre = 9,
        kBottomLeft = 10,
        kBottomRight = 11,
        kBottomCentre = 12,
    };

    explicit CBitmapDialog(int templateId, HINSTANCE module = nullptr);

    // Takes ownership of `bitmap`. With a key colour (not kNoKey) the window takes the
    // shape of the bitmap's rectangle, its width cut down to a multiple of 4, less the
    // pixels of exactly that colour. 0 done, 1 unreadable bitmap, 3 no region.
    int SetBackgroundBitmap(HBITMAP bitmap, COLORREF key);
    // kBadPlacement, and no change, for a mode outside 0-12.
    int SetPlacement(int mode, bool repaint = true);
    void SetDragAnywhere(bool on) { dragAnywhere_ = on; }

    int Placement() const { return placement_; }
    const CSkinBitmap& BackgroundBitmap() const { return background_.Bitmap(); }

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void EraseBackground(HDC dc);
    void DrawPlaced(HDC dc, const RECT& client) const;

    CShapedBackground background_;
    int placement_ = kTile;
    bool dragAnywhere_ = false;
};

} // namespace nook
