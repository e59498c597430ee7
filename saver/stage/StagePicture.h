// A picture ready for the stage: decoded and scaled down on the worker thread, then
// handed to the window's thread, which owns it from then on.
#pragma once

#include "framework/GdiHandles.h"

#include <string>

namespace nook {

struct StagePicture {
    // A top-down 32-bit DIB section, premultiplied BGRA (what AlphaBlend takes).
    CBitmapHandle bitmap;
    SIZE size{};
    std::string caption; // code page 936; empty when there is none
};

} // namespace nook
