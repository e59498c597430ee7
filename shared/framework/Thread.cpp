#include "framework/Thread.h"

#include <process.h>

#include <utility>

namespace nook {

unsigned __stdcall CThread::Main(void* self) {
    static_cast<CThread*>(self)->body_();
    return 0;
}

bool CThread::Start(std::function<void()> body) {
    Join();
    body_ = std::move(body);
    handle_.Reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &CThread::Main, this, 0, nullptr)));
    return IsStarted();
}

void CThread::Join() {
    if (!handle_) return;
    WaitForSingleObject(handle_.Get(), INFINITE);
    handle_.Reset();
}

} // namespace nook
