#include "net/PhotoFetch.h"

#include "archive/PhotoAnswer.h"
#include "platform/Files.h"

#include <algorithm>
#include <iterator>

namespace nook {

namespace {

// Milliseconds before the second and before the third try.
constexpr ULONGLONG kPauses[] = {1000, 3000};
static_assert(std::size(kPauses) == CPhotoFetch::kTries - 1);

PhotoOutcome FailedWith(const char* error) {
    return {PhotoResult::Failed, error};
}

} // namespace

CPhotoFetch::CPhotoFetch(HANDLE wake, const CInternetSession& session, ULONGLONG silenceLimit)
    : wake_(wake), silenceLimit_(silenceLimit) {
    ShareSession(&session);
}

CPhotoFetch::~CPhotoFetch() {
    Stop();
}

void CPhotoFetch::Begin(size_t index, const DownloadItem& item, ULONGLONG now) {
    item_ = &item;
    index_ = index;
    tries_ = 0;
    StartTry(now);
}

void CPhotoFetch::StartTry(ULONGLONG now) {
    ++tries_;
    pausing_ = false;
    end_.store(0);
    fileCreated_.store(false);
    lastSign_.store(now);
    // A leftover from a pass that was killed is truncated by the fetch.
    notStarted_ = !CHttpFileFetcher::Start(item_->url, TemporaryPath(), true);
}

std::optional<PhotoOutcome> CPhotoFetch::Advance(ULONGLONG now, ULONGLONG& due) {
    if (pausing_) {
        if (now < resumeAt_) {
            due = std::min(due, resumeAt_);
            return std::nullopt;
        }
        StartTry(now);
    }
    if (!notStarted_ && end_.load() == 0) {
        // A sign noted after the caller read the clock is no silence at all.
        const ULONGLONG last = lastSign_.load();
        const ULONGLONG silent = now > last ? now - last : 0;
        if (silent < silenceLimit_) {
            due = std::min(due, now + (silenceLimit_ - silent));
            return std::nullopt;
        }
    }
    const FetchEnd end = EndTry();
    PhotoOutcome outcome = Judge(end);
    const std::string temporaryPath = TemporaryPath();
    if (outcome.result == PhotoResult::Stored &&
        !platform::MoveFileReplacing(temporaryPath, item_->localPath))
        outcome = FailedWith("cannot place file");
    if (outcome.result != PhotoResult::Stored) platform::RemoveFile(temporaryPath);
    if (outcome.result != PhotoResult::Stored && tries_ < kTries && IsPassing(end)) {
        pausing_ = true;
        resumeAt_ = now + kPauses[tries_ - 1];
        due = std::min(due, resumeAt_);
        return std::nullopt;
    }
    item_ = nullptr;
    return outcome;
}

void CPhotoFetch::Abandon() {
    CHttpFileFetcher::Stop();
    item_ = nullptr;
    pausing_ = false;
}

void CPhotoFetch::OnNotify(FetchNotice code, std::int64_t, std::int64_t) {
    if (code == FetchNotice::FileCreated) fileCreated_.store(true);
    if (code != FetchNotice::Finished && code != FetchNotice::Failed) {
        lastSign_.store(GetTickCount64());
        return;
    }
    end_.store(static_cast<int>(code));
    SetEvent(wake_);
}

CPhotoFetch::FetchEnd CPhotoFetch::EndTry() {
    // Ends a silent try; after it the fetch thread is gone, so its answer and its file are
    // settled, and an end that came meanwhile still counts.
    CHttpFileFetcher::Stop();
    if (notStarted_) return FetchEnd::NotStarted;
    switch (end_.load()) {
    case static_cast<int>(FetchNotice::Finished):
        return FetchEnd::Finished;
    case static_cast<int>(FetchNotice::Failed):
        return FetchEnd::Failed;
    default:
        return FetchEnd::Silent;
    }
}

PhotoOutcome CPhotoFetch::Judge(FetchEnd end) const {
    switch (end) {
    case FetchEnd::Silent:
        return FailedWith("timeout");
    case FetchEnd::NotStarted:
        return FailedWith("cannot start fetch");
    case FetchEnd::Failed:
        if (!fileCreated_.load()) return FailedWith("cannot write file");
        break;
    case FetchEnd::Finished:
        break;
    }
    const FetchedAnswer& answer = Answer();
    PhotoOutcome outcome = JudgePhotoAnswer(answer.status, answer.contentType, answer.bodyStart,
                                            answer.bodyBytes, answer.contentLength);
    // A connection lost in a body without a Content-Length leaves a body that looks whole.
    if (end == FetchEnd::Failed && outcome.result == PhotoResult::Stored) outcome = FailedWith("cut short");
    return outcome;
}

bool CPhotoFetch::IsPassing(FetchEnd end) const {
    switch (end) {
    case FetchEnd::Silent:
        return true;
    case FetchEnd::Failed:
        // The transfer broke off; without a file it never began, and would not the next time.
        return fileCreated_.load();
    case FetchEnd::Finished:
        return Answer().status >= 500 && Answer().status <= 599;
    case FetchEnd::NotStarted:
        break;
    }
    return false;
}

} // namespace nook
