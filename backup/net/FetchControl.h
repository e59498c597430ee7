// The part of a fetcher that other threads touch: the stop request, the fetch thread and
// the completion signal the fetch thread may be sleeping on.
//
// Stop may come from any thread but the fetch thread. It only asks: it sets the flag,
// wakes the fetch thread and waits for it to end; the fetch thread itself closes its
// WinInet handles on the way out, so no handle is closed while another thread uses it.
// Launch and Stop are serialised, so a Stop never misses a thread being started.
#pragma once

#include "framework/Thread.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace nook {

class CTransferSignal;

class CFetchControl {
public:
    CFetchControl() = default;
    CFetchControl(const CFetchControl&) = delete;
    CFetchControl& operator=(const CFetchControl&) = delete;
    ~CFetchControl();

    // Clears the stop request before a new fetch.
    void Clear() { stop_.store(false); }
    bool StopRequested() const { return stop_.load(); }

    // Runs `body` on a new thread; false when the thread cannot be created.
    bool Launch(std::function<void()> body);

    // Requests the stop and waits, without limit, until the fetch thread has ended.
    void Stop();

    // Fetch thread: the signal a Stop must wake, while the fetch may sleep on it.
    void Watch(std::shared_ptr<CTransferSignal> signal);
    void Unwatch();

private:
    std::atomic<bool> stop_{false};
    std::mutex threadLock_; // Launch and Stop
    CThread thread_;        // guarded by threadLock_
    std::mutex signalLock_;
    std::shared_ptr<CTransferSignal> watched_; // guarded by signalLock_
};

} // namespace nook
