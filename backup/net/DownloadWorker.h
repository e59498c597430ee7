// Fetches the queued photos one after another on a pass thread of its own. Each goes into
// a temporary file beside its final name and is renamed into place, replacing an older
// copy, only when the answer is a photo; anything else leaves no file. Each outcome goes
// to the pass's sink, then a progress message is posted.
//
// Three threads meet: the caller's (Start, Stop; receives the messages), the pass thread
// (the only one that starts and stops fetches and calls the sink) and, per photo, the
// fetch thread of the base class, which reports through OnNotify. The pass thread sleeps
// on a wake event while a photo is fetched; the fetch's end or a Stop wakes it, and it
// wakes by itself when the fetch has been silent too long. A server that accepts the
// connection and never answers would otherwise hold the pass, and every photo after it,
// for good.
#pragma once

#include "framework/KernelHandle.h"
#include "framework/Thread.h"
#include "net/HttpFileFetcher.h"

#include "archive/PhotoPass.h"

#include <windows.h>

#include <atomic>
#include <optional>
#include <vector>

namespace nook {

class CDownloadWorker : public CHttpFileFetcher {
public:
    CDownloadWorker() = default;
    ~CDownloadWorker() override;

    // Stops a pass still running, then fetches `items` in order. A fetch that shows no
    // sign of life (connection, answer, body bytes) for `silenceTimeoutSeconds` (at least
    // 1) fails with "timeout" and the pass goes on. After each photo, `sink` (when set)
    // is told its outcome and then, when `window` and `message` are set, `message` is
    // posted with wParam 1 if the photo was stored, else 0, and lParam (photos handled ×
    // 100) / photos, so 100 after the last. An empty list posts nothing. When the pass
    // ends, finished or stopped, the sink is told once. The sink is called on the pass
    // thread, must outlive the pass and must not wait for the thread that calls Stop.
    // False when the pass cannot be started; nothing is reported then.
    bool Start(HWND window, UINT message, std::vector<DownloadItem> items, IPhotoPassSink* sink,
               int silenceTimeoutSeconds);

    // Ends a pass: the photo in progress is abandoned (neither reported nor cleaned up, so
    // its temporary file stays) and no further message is posted. Waits until the pass
    // thread has ended.
    void Stop();

    bool IsRunning() const { return running_.load(); }

protected:
    void OnNotify(FetchNotice code, std::int64_t total, std::int64_t done) override;

private:
    enum class FetchEnd { Finished, Failed, Silent, Stopped, NotStarted };

    void RunPass();
    // Null when the pass was stopped during the photo.
    std::optional<PhotoOutcome> HandlePhoto(const DownloadItem& item);
    FetchEnd Fetch(const std::string& url, const std::string& temporaryPath);
    PhotoOutcome Judge(FetchEnd end) const;

    std::atomic<bool> running_{false};
    std::atomic<bool> stop_{false};
    CThread thread_;
    CKernelHandle wake_; // auto-reset; made by the first Start, lives as long as the worker

    // Written by Start before the pass thread exists.
    std::vector<DownloadItem> items_;
    IPhotoPassSink* sink_ = nullptr; // not owned
    ULONGLONG silenceLimit_ = 0;     // milliseconds
    HWND window_ = nullptr;
    UINT message_ = 0;

    // The photo in progress, written by its fetch thread.
    std::atomic<int> end_{0}; // the FetchNotice that ended the fetch, 0 before
    std::atomic<bool> fileCreated_{false};
    std::atomic<ULONGLONG> lastSign_{0}; // GetTickCount64 of the last notice
};

} // namespace nook
