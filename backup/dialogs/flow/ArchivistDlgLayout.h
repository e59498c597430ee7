// Where the main dialog's controls stand: the fixed places of the 800 x 600 window, and
// the places when the window is maximised, where the tree, the page view and the frames
// grow with the window and the footer follows its bottom-right corner.
#pragma once

#include <vector>

namespace nook {

// A control's rectangle relative to the top-left corner of the skin (the whole window at
// normal size). For a frame it is the area the frame surrounds.
struct ControlPlace {
    int id;
    int x, y, width, height;
};

inline constexpr int kMainWindowWidth = 800;
inline constexpr int kMainWindowHeight = 600;

// The places for a skin of `skinWidth` x `skinHeight`: the fixed table when not
// `maximised`, else the table grown by the skin's growth over 800 x 600.
std::vector<ControlPlace> ArchivistDlgLayout(int skinWidth, int skinHeight, bool maximised);

} // namespace nook
