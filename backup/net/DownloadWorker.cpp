#include "DownloadWorker.h"

#include "platform/Files.h"

#include <process.h>

namespace nook {

CDownloadWorker::~CDownloadWorker() {
    Stop();
}

HANDLE CDownloadWorker::Start(HWND window, UINT message, const std::vector<DownloadItem>& items) {
    Stop();
    items_ = items;
    window_ = window;
    message_ = message;
    // Set before the thread exists, so a pass that ends at once leaves it cleared.
    running_.store(true);
    thread_ =
        reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &CDownloadWorker::PassMain, this, 0, nullptr));
    if (!thread_) running_.store(false);
    return thread_;
}

void CDownloadWorker::Stop() {
    // A pass that has ended by itself still leaves its thread handle to close.
    if (!thread_) return;
    stop_.store(true);
    SignalWake();
    CHttpFileFetcher::Stop();
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
    stop_.store(false);
}

void CDownloadWorker::SignalWake() {
    std::lock_guard<std::mutex> guard(wakeLock_);
    if (wake_) SetEvent(wake_);
}

void CDownloadWorker::OnNotify(FetchNotice code, std::int64_t, std::int64_t) {
    if (code != FetchNotice::Finished && code != FetchNotice::Failed) return;
    success_.store(code == FetchNotice::Finished);
    SignalWake();
}

unsigned __stdcall CDownloadWorker::PassMain(void* self) {
    static_cast<CDownloadWorker*>(self)->RunPass();
    return 0;
}

bool CDownloadWorker::FetchPhoto(const DownloadItem& item, const std::string& temporaryPath) {
    success_.store(false);
    HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    {
        std::lock_guard<std::mutex> guard(wakeLock_);
        wake_ = wake;
    }
    // A Stop from now on signals the event; one before was only a flag.
    if (!stop_.load()) {
        CHttpFileFetcher::Stop();
        if (wake && CHttpFileFetcher::Start(item.url, temporaryPath, true))
            WaitForSingleObject(wake, INFINITE);
    }
    {
        std::lock_guard<std::mutex> guard(wakeLock_);
        wake_ = nullptr;
    }
    if (wake) CloseHandle(wake);
    return success_.load();
}

void CDownloadWorker::RunPass() {
    const size_t count = items_.size();
    for (size_t i = 0; i < count && !stop_.load(); ++i) {
        const DownloadItem& item = items_[i];
        std::string temporaryPath = item.localPath + ".Tmp";
        bool stored = FetchPhoto(item, temporaryPath);
        if (stop_.load()) break;
        if (stored) stored = platform::CopyFileTo(temporaryPath, item.localPath, true);
        platform::RemoveFile(temporaryPath);
        if (window_ && message_)
            PostMessageW(window_, message_, stored ? 1 : 0, static_cast<LPARAM>((i + 1) * 100 / count));
    }
    // No fetch outlives the pass, even one started just as the stop came.
    if (stop_.load()) CHttpFileFetcher::Stop();
    running_.store(false);
}

} // namespace nook
