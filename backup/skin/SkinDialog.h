// Dialog whose whole outer frame (title bar, borders, rounded corners and the three
// caption buttons) is painted from bitmaps, and whose window shape follows the corner
// bitmaps. The system's frame stays underneath (it keeps moving, sizing and the
// system menu working); everything visible of it is painted over after the system has
// drawn it.
#pragma once

#include "framework/Dialog.h"
#include "skin/ButtonImageIds.h"
#include "skin/FrameBitmaps.h"
#include "skin/ShapedBackground.h"
#include "skin/SkinBitmap.h"

namespace nook {

// The program's bitmaps of the skin: the frame, the caption buttons and the background
// of the client area.
struct SkinDialogIds {
    CFrameBitmaps::Ids frame;
    ButtonImageIds close, maximise, restore, minimise;
    int background;
};

class CSkinDialog : public CDialog {
  public:
    CSkinDialog(int templateId, const SkinDialogIds& ids, HINSTANCE module = nullptr);

    // Results of CShapedBackground: 0 done, 1 unreadable bitmap, 3 no region. Takes
    // ownership of `bitmap`; with a key colour the bitmap also shapes the window.
    int SetBackgroundBitmap(HBITMAP bitmap, COLORREF key);
    // Recomputes the window region from the frame pieces for the current size.
    void BuildFrameRegion();
    // Paints the frame, the title and the caption buttons into the whole-window `dc`.
    void DrawFrame(HDC dc);

  protected:
    // Paints over the client area after it was filled with the skin colour.
    virtual void DrawBackground(HDC) {}
    const CSkinBitmap& BackgroundBitmap() const { return background_.Bitmap(); }

    bool OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    enum class Button { None, Close, Maximise, Minimise };
    struct CaptionButton {
        CSkinBitmap normal;
        CSkinBitmap hover;
        void Load(const ButtonImageIds& ids);
    };
    // The part of the window the skin covers: all of it, or when maximised the part
    // inside the dialog frame that stays on the screen.
    RECT SkinRect() const;
    void DrawCaptionButtons(HDC dc, Button hovered);
    void RedrawCaptionButtons(Button hovered);
    Button ButtonAt(POINT screen) const;
    void ToggleMaximised();

    CFrameBitmaps pieces_;
    CaptionButton close_, maximise_, restore_, minimise_;
    int backgroundId_;
    // Screen rectangles of the caption buttons as last drawn.
    RECT closeRect_{}, maximiseRect_{}, minimiseRect_{};
    CShapedBackground background_;
};

} // namespace nook
