#include "framework/WindowTimer.h"

namespace nook {

bool CWindowTimer::Start(HWND hwnd, UINT_PTR id, UINT periodMs) {
    Stop();
    if (id == 0 || !SetTimer(hwnd, id, periodMs, nullptr)) return false;
    hwnd_ = hwnd;
    id_ = id;
    return true;
}

void CWindowTimer::Stop() {
    // The window may already be gone, which ended its timers with it.
    if (id_ != 0 && IsWindow(hwnd_)) KillTimer(hwnd_, id_);
    hwnd_ = nullptr;
    id_ = 0;
}

} // namespace nook
