#include "net/DownloadWorker.h"

#include "net/PhotoFetch.h"

#include <algorithm>
#include <utility>

namespace nook {

namespace {

// The longest the pass thread sleeps without a reason to wake.
constexpr ULONGLONG kLongestSleep = 60000;

} // namespace

CDownloadWorker::~CDownloadWorker() {
    Stop();
}

bool CDownloadWorker::Start(HWND window, UINT message, std::vector<DownloadItem> items, IPhotoPassSink* sink,
                            int silenceTimeoutSeconds, int connections) {
    Stop();
    if (!wake_) wake_.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!wake_) return false;
    connections_ = static_cast<size_t>(std::max(connections, 1));
    // Before the session opens: WinInet applies the limit to connections made later.
    CInternetSession::SetConnectionsPerServer(static_cast<unsigned long>(connections_));
    if (session_.Open(true) != CInternetSession::OpenEnd::Opened) {
        session_.Close();
        return false;
    }
    items_ = std::move(items);
    sink_ = sink;
    silenceLimit_ = static_cast<ULONGLONG>(std::max(silenceTimeoutSeconds, 1)) * 1000;
    window_ = window;
    message_ = message;
    // Set before the thread exists, so a pass that ends at once leaves it cleared.
    running_.store(true);
    if (thread_.Start([this] { RunPass(); })) return true;
    running_.store(false);
    session_.Close();
    return false;
}

void CDownloadWorker::Stop() {
    // A pass that has ended by itself still leaves its thread to join.
    if (!thread_.IsStarted()) return;
    stop_.store(true);
    SetEvent(wake_.Get());
    thread_.Join();
    stop_.store(false);
}

void CDownloadWorker::RunPass() {
    Slots slots;
    for (size_t i = 0; i < std::min(connections_, items_.size()); ++i)
        slots.push_back(std::make_unique<CPhotoFetch>(wake_.Get(), session_, silenceLimit_));
    std::list<size_t> waiting;
    for (size_t i = 0; i < items_.size(); ++i)
        waiting.push_back(i);
    size_t handled = 0;
    while (!stop_.load()) {
        const ULONGLONG now = GetTickCount64();
        FillIdleSlots(slots, waiting, now);
        ULONGLONG due = now + kLongestSleep;
        bool busy = false;
        bool freed = false;
        for (const std::unique_ptr<CPhotoFetch>& slot : slots) {
            if (!slot->IsBusy()) continue;
            const size_t index = slot->Index();
            std::optional<PhotoOutcome> outcome = slot->Advance(now, due);
            if (!outcome) {
                busy = true;
            } else if (Report(index, *outcome, ++handled)) {
                freed = true;
            } else {
                break;
            }
        }
        // A freed slot takes the next photo at once; with no slot busy every photo is handled.
        if (freed) continue;
        if (!busy) break;
        WaitForSingleObject(wake_.Get(), static_cast<DWORD>(due - now));
    }
    // The slots' fetch threads end before the session they share is closed.
    for (const std::unique_ptr<CPhotoFetch>& slot : slots)
        slot->Abandon();
    slots.clear();
    session_.Close();
    if (sink_) sink_->OnPassEnded();
    running_.store(false);
}

void CDownloadWorker::FillIdleSlots(Slots& slots, std::list<size_t>& waiting, ULONGLONG now) const {
    auto writing = [&slots](const std::string& path) {
        return std::any_of(slots.begin(), slots.end(), [&path](const std::unique_ptr<CPhotoFetch>& slot) {
            return slot->IsBusy() && slot->LocalPath() == path;
        });
    };
    for (const std::unique_ptr<CPhotoFetch>& slot : slots) {
        if (slot->IsBusy()) continue;
        auto next = std::find_if(waiting.begin(), waiting.end(),
                                 [&](size_t index) { return !writing(items_[index].localPath); });
        if (next == waiting.end()) return;
        slot->Begin(*next, items_[*next], now);
        waiting.erase(next);
    }
}

bool CDownloadWorker::Report(size_t index, const PhotoOutcome& outcome, size_t handled) {
    if (stop_.load()) return false;
    if (sink_) sink_->OnPhotoHandled(index, outcome);
    const bool stored = outcome.result == PhotoResult::Stored;
    if (window_ && message_)
        PostMessageW(window_, message_, stored ? 1 : 0, static_cast<LPARAM>(handled * 100 / items_.size()));
    return true;
}

} // namespace nook
