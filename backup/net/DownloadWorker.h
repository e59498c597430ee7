// Fetches the queued photos on a pass thread of its own, up to a given number at once, all
// over one WinInet session kept for the pass, so that WinInet reuses its connections.
// Each photo is fetched by a slot (CPhotoFetch: the temporary file, the renaming, the
// tries again after a passing failure); each outcome goes to the pass's sink as the photo
// is handled, then a progress message is posted.
//
// Three kinds of thread meet: the caller's (Start, Stop; receives the messages), the pass
// thread (the only one that starts, looks at and stops the slots and calls the sink, so
// the sink is called one photo at a time) and, per slot, the fetch thread of its try,
// which reports through the slot. The pass thread sleeps on a wake event until a try
// ends, a Stop comes, or the earliest moment a slot named (a try silent for too long, the
// end of a pause before the next try). A server that accepts the connection and never
// answers would otherwise hold its slot for good, and a pause would hold up the others.
#pragma once

#include "framework/KernelHandle.h"
#include "framework/Thread.h"
#include "net/InternetSession.h"

#include "archive/PhotoPass.h"

#include <windows.h>

#include <atomic>
#include <list>
#include <memory>
#include <vector>

namespace nook {

class CPhotoFetch;

class CDownloadWorker {
public:
    CDownloadWorker() = default;
    CDownloadWorker(const CDownloadWorker&) = delete;
    CDownloadWorker& operator=(const CDownloadWorker&) = delete;
    ~CDownloadWorker();

    // Stops a pass still running, then fetches `items`, up to `connections` (at least 1)
    // at once, the next photo in list order taking each slot that comes free; a photo
    // whose local path another slot is writing waits for it. WinInet's limit of
    // connections per server is set to match, for the process. A try that shows no sign
    // of life (connection, answer, body bytes) for `silenceTimeoutSeconds` (at least 1)
    // fails with "timeout". A passing failure is tried twice more, after 1 and 3 seconds
    // (see CPhotoFetch); a photo is handled when it is stored or has failed for good.
    // After each photo handled, in the order they are handled, `sink` (when set) is told
    // its outcome and then, when `window` and `message` are set, `message` is posted with
    // wParam 1 if the photo was stored, else 0, and lParam (photos handled × 100) /
    // photos, so 100 after the last and only then. An empty list posts nothing. When the
    // pass ends, finished or stopped, the sink is told once. The sink is called on the
    // pass thread, must outlive the pass and must not wait for the thread that calls
    // Stop. False when the pass cannot be started; nothing is reported then.
    bool Start(HWND window, UINT message, std::vector<DownloadItem> items, IPhotoPassSink* sink,
               int silenceTimeoutSeconds, int connections);

    // Ends a pass: every photo in flight or waiting for its next try is abandoned (neither
    // reported nor cleaned up, so the temporary file of a photo in flight stays) and no
    // further message is posted. Waits until the pass thread has ended; the pass's fetch
    // threads and WinInet handles are gone by then.
    void Stop();

    bool IsRunning() const { return running_.load(); }

private:
    using Slots = std::vector<std::unique_ptr<CPhotoFetch>>;

    void RunPass();
    // Gives each idle slot the first waiting photo whose local path no slot is writing.
    void FillIdleSlots(Slots& slots, std::list<size_t>& waiting, ULONGLONG now) const;
    // Reports a handled photo; false when the pass was stopped meanwhile.
    bool Report(size_t index, const PhotoOutcome& outcome, size_t handled);

    std::atomic<bool> running_{false};
    std::atomic<bool> stop_{false};
    CThread thread_;
    CKernelHandle wake_; // auto-reset; made by the first Start, lives as long as the worker

    // Written by Start before the pass thread exists; the session is closed by the pass
    // thread as it ends.
    std::vector<DownloadItem> items_;
    IPhotoPassSink* sink_ = nullptr; // not owned
    ULONGLONG silenceLimit_ = 0;     // milliseconds
    size_t connections_ = 1;
    HWND window_ = nullptr;
    UINT message_ = 0;
    CInternetSession session_;
};

} // namespace nook
