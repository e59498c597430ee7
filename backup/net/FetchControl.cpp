#include "net/FetchControl.h"

#include "net/TransferSignal.h"

#include <utility>

namespace nook {

CFetchControl::~CFetchControl() {
    Stop();
}

bool CFetchControl::Launch(std::function<void()> body) {
    std::lock_guard<std::mutex> guard(threadLock_);
    return thread_.Start(std::move(body));
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
    thread_.Join();
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
