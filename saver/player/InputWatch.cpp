#include "player/InputWatch.h"

#include <cstdlib>

namespace nook {

namespace {

// The pointer may tremble this far (in pixels) before it counts as moved.
constexpr int kPointerSlack = 4;

} // namespace

thread_local CInputWatch* CInputWatch::watching_ = nullptr;

bool CInputWatch::Start(std::function<void()> onInput) {
    if (watching_) return false;
    hook_.Reset(SetWindowsHookExW(WH_GETMESSAGE, &CInputWatch::Hook, nullptr, GetCurrentThreadId()));
    if (!hook_) return false;
    onInput_ = std::move(onInput);
    pointerSeen_ = false;
    watching_ = this;
    return true;
}

void CInputWatch::Stop() {
    if (watching_ == this) watching_ = nullptr;
    hook_.Reset();
}

bool CInputWatch::Ends(const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return true;
    case WM_MOUSEMOVE: {
        POINT point{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
        ClientToScreen(msg.hwnd, &point);
        if (!pointerSeen_) {
            pointerSeen_ = true;
            firstPointer_ = point;
            return false;
        }
        return std::abs(point.x - firstPointer_.x) > kPointerSlack || std::abs(point.y - firstPointer_.y) > kPointerSlack;
    }
    default:
        return false;
    }
}

LRESULT CALLBACK CInputWatch::Hook(int code, WPARAM wParam, LPARAM lParam) {
    CInputWatch* self = watching_;
    if (code == HC_ACTION && wParam == PM_REMOVE && self && self->Ends(*reinterpret_cast<const MSG*>(lParam))) {
        // Called once: what it does may end this watch.
        std::function<void()> onInput = std::move(self->onInput_);
        self->Stop();
        if (onInput) onInput();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace nook
