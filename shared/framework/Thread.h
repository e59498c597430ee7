// One thread of the program's own: started with a body, joined (waited for without limit,
// then its handle closed) by Join or at the latest when the object goes. A thread that has
// ended by itself still counts as started until it is joined.
#pragma once

#include "framework/KernelHandle.h"

#include <functional>

namespace nook {

// Neither copied nor moved (its handle and its destructor see to that): the running
// thread holds its address.
class CThread {
public:
    ~CThread() { Join(); }

    // Joins a thread still started, then runs `body` on a new thread (with the C
    // runtime's _beginthreadex); false when no thread can be made.
    bool Start(std::function<void()> body);
    // Waits until the thread has ended and closes its handle; nothing without a thread.
    void Join();
    bool IsStarted() const { return static_cast<bool>(handle_); }

private:
    static unsigned __stdcall Main(void* self);

    std::function<void()> body_; // written before the thread starts
    CKernelHandle handle_;
};

} // namespace nook
