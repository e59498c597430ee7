// Fetches the queued photos one after another on a pass thread of its own, each into a
// temporary file beside its final name that is copied into place only when the fetch
// finished, and posts a progress message after each photo.
//
// Three threads meet: the caller's (Start, Stop; receives the messages), the pass thread
// and, per photo, the fetch thread of the base class, which reports through OnNotify.
// The pass thread sleeps on a wake event while a photo is fetched; the fetch thread's
// outcome or a Stop wakes it.
#pragma once

#include "net/HttpFileFetcher.h"

#include "archive/ImageLocaliser.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <vector>

namespace nook {

class CDownloadWorker : public CHttpFileFetcher {
public:
    CDownloadWorker() = default;
    ~CDownloadWorker() override;

    // Stops a pass still running, then fetches a copy of `items` in order. After each
    // photo, when `window` and `message` are set, posts `message` with wParam 1 if the
    // photo was stored, else 0, and lParam (photos handled × 100) / photos, so 100 after
    // the last. An empty list posts nothing. Returns the pass thread (owned by the
    // worker), or null when it cannot be started.
    HANDLE Start(HWND window, UINT message, const std::vector<DownloadItem>& items);

    // Ends a pass: the photo in progress is abandoned (its temporary file stays) and no
    // further message is posted. Waits until the pass thread has ended.
    void Stop();

    bool IsRunning() const { return running_.load(); }

protected:
    void OnNotify(FetchNotice code, std::int64_t total, std::int64_t done) override;

private:
    static unsigned __stdcall PassMain(void* self);
    void RunPass();
    // Fetches one photo into `temporaryPath`; true when it finished.
    bool FetchPhoto(const DownloadItem& item, const std::string& temporaryPath);
    void SignalWake();

    std::atomic<bool> running_{false};
    std::atomic<bool> stop_{false};
    HANDLE thread_ = nullptr; // owned
    std::vector<DownloadItem> items_;
    std::atomic<bool> success_{false}; // written by the fetch thread before it wakes the pass
    HWND window_ = nullptr;
    UINT message_ = 0;
    std::mutex wakeLock_;
    HANDLE wake_ = nullptr; // owned; auto-reset; only while a photo is fetched; guarded by wakeLock_
};

} // namespace nook
