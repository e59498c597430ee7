#pragma once

#include "skin/FrameBitmaps.h"
#include "skin/PaintedWindow.h"

namespace nook {

// A static control of a dialog that draws a bitmap border around an area; its
// interior is white. Placed below the controls it frames.
class CSkinFrame : public CPaintedWindow {
  public:
    // Resource ids of the pieces. False when one of them could not be loaded.
    bool SetBitmaps(int topLeft, int top, int topRight, int left, int right, int bottomLeft, int bottom,
                    int bottomRight);
    // Moves the frame so that the rectangle (parent client coordinates) is its interior.
    void PlaceAround(int x, int y, int width, int height);

  protected:
    void OnSubclassed() override;
    void Paint(HDC dc) override;

  private:
    CFrameBitmaps pieces_;
};

} // namespace nook
