#pragma once

#include <windows.h>

namespace nook {

// A WM_TIMER timer of one window; stopped when the owner goes away.
class CWindowTimer {
  public:
    CWindowTimer() = default;
    ~CWindowTimer() { Stop(); }
    CWindowTimer(const CWindowTimer&) = delete;
    CWindowTimer& operator=(const CWindowTimer&) = delete;

    // Restarts the timer when it already runs.
    bool Start(HWND hwnd, UINT_PTR id, UINT periodMs);
    void Stop();
    // 0 when no timer runs.
    UINT_PTR Id() const { return id_; }

  private:
    HWND hwnd_ = nullptr;
    UINT_PTR id_ = 0;
};

} // namespace nook
