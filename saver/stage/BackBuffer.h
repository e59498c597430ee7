#pragma once

#include "stage/DibSection.h"

namespace nook {

// Where a frame is drawn before it is copied to the window in one piece, so nothing
// drawn half is ever seen. Kept from frame to frame; made anew when the size changes.
class CBackBuffer {
  public:
    CBackBuffer() = default;
    ~CBackBuffer() { Release(); }
    CBackBuffer(const CBackBuffer&) = delete;
    CBackBuffer& operator=(const CBackBuffer&) = delete;

    // A device context to draw a frame of `size` in; null when none can be made.
    HDC Prepare(SIZE size);
    void CopyTo(HDC target) const;

  private:
    void Release();

    CMemoryDC dc_;
    CDibSection bitmap_{SIZE{}};
    HGDIOBJ original_ = nullptr; // the context's own bitmap, put back before ours goes
};

} // namespace nook
