#pragma once

#include "skin/SkinBitmap.h"
#include "framework/Window.h"

namespace nook {

// A static control of a dialog that draws a bitmap border around an area; its
// interior is white. Placed below the controls it frames.
class CSkinFrame : public CWindow {
  public:
    // Resource ids of the pieces. False when one of them could not be loaded.
    bool SetBitmaps(int topLeft, int top, int topRight, int left, int right, int bottomLeft, int bottom,
                    int bottomRight);
    // Moves the frame so that the rectangle (parent client coordinates) is its interior.
    void PlaceAround(int x, int y, int width, int height);

  protected:
    void OnSubclassed() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    enum Piece { kTopLeft, kTop, kTopRight, kLeft, kRight, kBottomLeft, kBottom, kBottomRight, kPieceCount };
    void Paint(HDC dc);

    CSkinBitmap pieces_[kPieceCount];
};

} // namespace nook
