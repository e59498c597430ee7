#include "net/DownloadWorker.h"

#include "archive/PhotoAnswer.h"
#include "platform/Files.h"

#include <algorithm>
#include <utility>

namespace nook {

namespace {

PhotoOutcome FailedWith(const char* error) {
    return {PhotoResult::Failed, error};
}

} // namespace

CDownloadWorker::~CDownloadWorker() {
    Stop();
}

bool CDownloadWorker::Start(HWND window, UINT message, std::vector<DownloadItem> items, IPhotoPassSink* sink,
                            int silenceTimeoutSeconds) {
    Stop();
    if (!wake_) wake_.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!wake_) return false;
    items_ = std::move(items);
    sink_ = sink;
    silenceLimit_ = static_cast<ULONGLONG>(std::max(silenceTimeoutSeconds, 1)) * 1000;
    window_ = window;
    message_ = message;
    // Set before the thread exists, so a pass that ends at once leaves it cleared.
    running_.store(true);
    if (thread_.Start([this] { RunPass(); })) return true;
    running_.store(false);
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

void CDownloadWorker::OnNotify(FetchNotice code, std::int64_t, std::int64_t) {
    if (code == FetchNotice::FileCreated) fileCreated_.store(true);
    if (code != FetchNotice::Finished && code != FetchNotice::Failed) {
        lastSign_.store(GetTickCount64());
        return;
    }
    end_.store(static_cast<int>(code));
    SetEvent(wake_.Get());
}

void CDownloadWorker::RunPass() {
    const size_t count = items_.size();
    for (size_t i = 0; i < count; ++i) {
        std::optional<PhotoOutcome> outcome = HandlePhoto(items_[i]);
        if (!outcome || stop_.load()) break;
        if (sink_) sink_->OnPhotoHandled(i, *outcome);
        bool stored = outcome->result == PhotoResult::Stored;
        if (window_ && message_)
            PostMessageW(window_, message_, stored ? 1 : 0, static_cast<LPARAM>((i + 1) * 100 / count));
    }
    if (sink_) sink_->OnPassEnded();
    running_.store(false);
}

std::optional<PhotoOutcome> CDownloadWorker::HandlePhoto(const DownloadItem& item) {
    // A leftover from a pass that was killed is truncated by the fetch.
    const std::string temporaryPath = item.localPath + ".Tmp";
    FetchEnd end = Fetch(item.url, temporaryPath);
    if (end == FetchEnd::Stopped) return std::nullopt;
    PhotoOutcome outcome = Judge(end);
    if (outcome.result == PhotoResult::Stored && !platform::MoveFileReplacing(temporaryPath, item.localPath))
        outcome = FailedWith("cannot place file");
    if (outcome.result != PhotoResult::Stored) platform::RemoveFile(temporaryPath);
    return outcome;
}

CDownloadWorker::FetchEnd CDownloadWorker::Fetch(const std::string& url, const std::string& temporaryPath) {
    end_.store(0);
    fileCreated_.store(false);
    lastSign_.store(GetTickCount64());
    if (stop_.load()) return FetchEnd::Stopped;
    if (!CHttpFileFetcher::Start(url, temporaryPath, true)) return FetchEnd::NotStarted;
    while (!stop_.load() && end_.load() == 0) {
        // The last sign before the clock, or a sign in between would look like the future.
        ULONGLONG last = lastSign_.load();
        ULONGLONG now = GetTickCount64();
        ULONGLONG silent = now > last ? now - last : 0;
        if (silent >= silenceLimit_) break;
        WaitForSingleObject(wake_.Get(),
                            static_cast<DWORD>(std::min<ULONGLONG>(silenceLimit_ - silent, 60000)));
    }
    // Ends a silent fetch; after it the fetch thread is gone, so its answer and its file
    // are settled, and an end that came meanwhile still counts.
    CHttpFileFetcher::Stop();
    if (stop_.load()) return FetchEnd::Stopped;
    switch (end_.load()) {
    case static_cast<int>(FetchNotice::Finished):
        return FetchEnd::Finished;
    case static_cast<int>(FetchNotice::Failed):
        return FetchEnd::Failed;
    default:
        return FetchEnd::Silent;
    }
}

PhotoOutcome CDownloadWorker::Judge(FetchEnd end) const {
    switch (end) {
    case FetchEnd::Silent:
        return FailedWith("timeout");
    case FetchEnd::NotStarted:
        return FailedWith("cannot start fetch");
    case FetchEnd::Failed:
        if (!fileCreated_.load()) return FailedWith("cannot write file");
        break;
    case FetchEnd::Finished:
    case FetchEnd::Stopped:
        break;
    }
    const FetchedAnswer& answer = Answer();
    PhotoOutcome outcome = JudgePhotoAnswer(answer.status, answer.contentType, answer.bodyStart,
                                            answer.bodyBytes, answer.contentLength);
    // A connection lost in a body without a Content-Length leaves a body that looks whole.
    if (end == FetchEnd::Failed && outcome.result == PhotoResult::Stored) outcome = FailedWith("cut short");
    return outcome;
}

} // namespace nook
