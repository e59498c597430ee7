#pragma once

#include <windows.h>

namespace nook {

// Marks the transparent pixels of every skin bitmap.
constexpr COLORREF kMagenta = RGB(255, 0, 255);
// How far a pixel may lie above the key and still count as transparent, per channel.
constexpr COLORREF kSkinTolerance = RGB(16, 16, 16);
// The skin's client colour, behind whatever the background bitmaps do not cover.
constexpr COLORREF kClientColour = RGB(229, 244, 216);
// "No key colour": the bitmap makes no region.
constexpr COLORREF kNoKey = 0xFFFFFFFF; // CLR_NONE

} // namespace nook
