#pragma once

namespace nook {

// A button's two bitmap resources: as it looks normally and under the pointer. The skin
// has no resources of its own; the program names its bitmaps with these.
struct ButtonImageIds {
    int normal;
    int hover;
};

} // namespace nook
