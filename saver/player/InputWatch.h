// Full screen ends on the user's first input: a key, a click, or the mouse moved further
// than a tremble. Whichever window of the thread has the input (the stage, or the Flash
// control, which keeps its input to itself), a hook on the thread's messages sees it as
// it is taken from the queue.
#pragma once

#include "util/ScopedHandle.h"

#include <windows.h>

#include <functional>

namespace nook {

struct HookTraits {
    using Handle = HHOOK;
    static Handle None() { return nullptr; }
    static void Close(Handle hook) { UnhookWindowsHookEx(hook); }
};
using CHookHandle = CScopedHandle<HookTraits>;

// One at a time on a thread.
class CInputWatch {
  public:
    CInputWatch() = default;
    ~CInputWatch() { Stop(); }
    CInputWatch(const CInputWatch&) = delete;
    CInputWatch& operator=(const CInputWatch&) = delete;

    // `onInput` is called at the first input, once.
    bool Start(std::function<void()> onInput);
    void Stop();

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    // True when `msg` is the input that ends the show.
    bool Ends(const MSG& msg);

    static thread_local CInputWatch* watching_;
    CHookHandle hook_;
    std::function<void()> onInput_;
    bool pointerSeen_ = false;
    POINT firstPointer_{};
};

} // namespace nook
