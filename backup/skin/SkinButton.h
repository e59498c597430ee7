// Owner-drawn bitmap button: hover and normal images drawn through masks, flat with
// hover tracking or with a 3-D border, optionally a check box, a menu button or a link.
// The button keeps its states and paints; where the image and text go is worked out by
// the portable layout, and the menu, the link, the sounds, the tooltip and the copy of
// the parent behind a transparent button are pieces of their own.
#pragma once

#include "framework/Window.h"
#include "skin/ButtonLink.h"
#include "skin/ButtonMenu.h"
#include "skin/ButtonSound.h"
#include "skin/MaskedImage.h"
#include "skin/ParentBackdrop.h"
#include "skin/Tooltip.h"
#include "skin/layout/ButtonLayout.h"

#include <string_view>

namespace nook {

class CSkinButton : public CWindow {
  public:
    enum Result { kDone = 0, kUnreadable = 1, kNoMask = 2, kNotTransparent = 5 };
    // Image ids with a meaning of their own.
    static constexpr int kNoImage = 0;
    static constexpr int kGreyCopy = -2;   // normal image only: grey copy of the hover image
    static constexpr int kDarkerCopy = -3; // normal image only: darker copy of the hover image

    using Placement = ImagePlacement;
    enum Colour { kBackHover, kTextHover, kBackFocus, kTextFocus, kBackNormal, kTextNormal, kColourCount };

    CSkinButton();

    // Bitmap resources of `module` (the program when null) with their transparent
    // colours; on failure every image is released.
    int SetBitmaps(int hoverId, COLORREF hoverKey, int normalId, COLORREF normalKey,
                   HINSTANCE module = nullptr);

    // The background becomes a copy of the parent under the button.
    void SetTransparent(bool repaint = true);
    // In transparent mode, takes a new copy of the parent's area under the button from
    // `parentDc`; kNotTransparent when not transparent or without a context.
    int RefreshBackground(HDC parentDc);

    // Creates the tooltip on first use; `text` is code page 936.
    void SetTooltipText(std::string_view text, bool active = true);

    void SetColour(Colour which, COLORREF colour, bool repaint = true);
    void SetDefaultColours(bool repaint = true);
    void SetFlat(bool flat, bool repaint = true);
    void SetFlatFocus(bool drawFocus, bool repaint = true);
    void SetDrawBorder(bool drawBorder, bool repaint = true);
    void SetAlwaysTrack(bool alwaysTrack) { alwaysTrack_ = alwaysTrack; }
    void SetMargins(int image, int text, bool repaint = true);
    void SetPressedOffset(int x, int y, bool repaint = true);
    void SetPlacement(Placement placement, bool repaint = true);
    void SetDefault(bool isDefault, bool repaint = true);
    // Sounds for PlaySound: a name (code page 936) or nothing, the module and the flags.
    void SetHoverSound(std::string_view name, HMODULE module = nullptr,
                       DWORD flags = SND_ASYNC | SND_NODEFAULT);
    void SetClickSound(std::string_view name, HMODULE module = nullptr,
                       DWORD flags = SND_ASYNC | SND_NODEFAULT);
    // Menu resource `menuId` (its first submenu pops up); its command goes to `owner`.
    bool SetMenu(int menuId, HWND owner, HINSTANCE module = nullptr, bool repaint = true);
    // `message` is sent to `window` with the menu as wParam before the menu opens.
    void SetMenuCallback(HWND window, UINT message);
    // A document or address opened when clicked (at most 260 characters).
    void SetLink(std::string_view link);
    // Not owned.
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

    bool IsCheckBox() const { return checkBox_; }
    bool IsChecked() const { return checked_; }
    bool IsHovered() const { return hovered_; }

  protected:
    void OnSubclassed() override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnReflectedCommand(int code) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void Repaint(bool repaint);
    void OnMouseMove(WPARAM keys, POINT client);
    void EndHover();
    void OnClicked();
    void ShowMenu();
    bool TrackingAllowed() const;

    void DrawBackground(HDC dc, RECT& area, bool pressed, bool focused);
    void DrawBorder(HDC dc, const RECT& area, bool pressed) const;
    const CMaskedImage* ImageFor(bool pressed) const;
    void DrawImageAndText(HDC dc, const RECT& area, const CMaskedImage* image, bool pressed, bool disabled,
                          bool focused);

    CMaskedImage hoverImage_, normalImage_;
    bool flat_ = true;
    bool flatFocus_ = false;
    bool drawBorder_ = true;
    bool transparent_ = false;
    bool hovered_ = false;
    bool checkBox_ = false;
    bool checked_ = false;
    bool default_ = false;
    bool alwaysTrack_ = true;
    bool menuOpen_ = false;
    int imageMargin_ = 3;
    int textMargin_ = 3;
    POINT pressedOffset_{1, 1};
    Placement placement_ = Placement::ImageLeft;
    COLORREF colours_[kColourCount]{};
    CButtonSound hoverSound_, clickSound_;
    CButtonMenu menu_;
    CButtonLink link_;
    HCURSOR cursor_ = nullptr; // not owned
    CTooltip tooltip_;
    CParentBackdrop backdrop_; // transparent mode: the parent under the button
};

} // namespace nook
