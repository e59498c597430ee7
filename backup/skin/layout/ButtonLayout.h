// Where a skinned button puts its image and its text. Portable: plain rectangles, no
// drawing, so every placement is tested natively.
#pragma once

#include <optional>

namespace nook {

struct LayoutPoint {
    int x = 0, y = 0;
};

struct LayoutSize {
    int width = 0, height = 0;
};

struct LayoutRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Where the image stands beside the text.
enum class ImagePlacement { ImageLeft, ImageAbove, ImageRight };

struct ButtonContent {
    LayoutRect area;                 // the button's face
    std::optional<LayoutSize> image; // none: no image
    bool hasText = false;
    ImagePlacement placement = ImagePlacement::ImageLeft;
    int imageMargin = 0; // from the left or right edge
    int textMargin = 0;  // from the top edge, for an image above the text
    LayoutPoint shift;   // how far a pressed face moves its content
};

struct ButtonLayout {
    LayoutPoint image;   // the image's top-left corner
    LayoutRect textArea; // what is left beside the image, before the shift
};

// The image beside the text as placed, or in the middle of the face without text.
ButtonLayout LayOutButton(const ButtonContent& content);

// The rectangle of a text of `text` size centred in `textArea`, moved by `shift`.
LayoutRect CentreText(const LayoutRect& textArea, LayoutSize text, LayoutPoint shift);

} // namespace nook
