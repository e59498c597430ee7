#include "skin/layout/ButtonLayout.h"

namespace nook {

ButtonLayout LayOutButton(const ButtonContent& content) {
    const LayoutRect& area = content.area;
    ButtonLayout layout{{}, area};
    if (!content.image) return layout;

    const int iw = content.image->width, ih = content.image->height;
    LayoutPoint& at = layout.image;
    at = {area.left + (area.right - area.left - iw) / 2, area.top + (area.bottom - area.top - ih) / 2};
    switch (content.placement) {
    case ImagePlacement::ImageLeft:
        if (content.hasText) at.x = area.left + content.imageMargin;
        layout.textArea.left = area.left + content.imageMargin + iw;
        break;
    case ImagePlacement::ImageAbove:
        if (content.hasText) at.y = area.top + content.textMargin;
        layout.textArea.top = area.top + content.textMargin + ih;
        break;
    case ImagePlacement::ImageRight:
        if (content.hasText) at.x = area.right - content.imageMargin - iw;
        layout.textArea.right = area.right - content.imageMargin - iw;
        break;
    }
    at.x += content.shift.x;
    at.y += content.shift.y;
    return layout;
}

LayoutRect CentreText(const LayoutRect& textArea, LayoutSize text, LayoutPoint shift) {
    const int left = textArea.left + (textArea.right - textArea.left - text.width) / 2 + shift.x;
    const int top = textArea.top + (textArea.bottom - textArea.top - text.height) / 2 + shift.y;
    return {left, top, left + text.width, top + text.height};
}

} // namespace nook
