#include "net/FetchControl.h"

#include "net/TransferSignal.h"

#include <process.h>

namespace nook {

CFetchControl::~CFetchControl() {
    Stop();
}

unsigned __stdcall CFetchControl::ThreadMain(void* self) {
    static_cast<CFetchControl*>(self)->body_();
    return 0;
}

bool CFetchControl::Launch(std::function<void()> body) {
    std::lock_guard<std::mutex> guard(threadLock_);
    body_ = std::move(body);
    thread_ =
        reinterpret_cast<void*>(_beginthreadex(nullptr, 0, &CFetchControl::ThreadMain, this, 0, nullptr));
    return thread_ != nullptr;
}

void CFetchControl::Stop() {
    std::lock_guard<std::mutex> guard(threadLock_);
    stop_.store(true);
    {
        // The fetch thread watches its signal before it looks at the flag, so either it
        // sees the flag or this wakes it.
        std::lock_guard<std::mutex> signalGuard(signalLock_);
        if (watched_) watched_->Wake();
    }
    if (thread_) {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
}

void CFetchControl::Watch(std::shared_ptr<CTransferSignal> signal) {
    std::lock_guard<std::mutex> guard(signalLock_);
    watched_ = std::move(signal);
}

void CFetchControl::Unwatch() {
    std::lock_guard<std::mutex> guard(signalLock_);
    watched_.reset();
}

} // namespace nook
