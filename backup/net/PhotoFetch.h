// One slot of a photo pass. The photo goes into a temporary file beside its final name
// and is renamed into place, replacing an older copy, only when the answer is a photo;
// anything else leaves no file. A passing failure (no answer or the connection lost, a
// body cut short, silence for the limit, a 5xx answer) is tried again after a pause, up
// to kTries in all; any other answer counts at once, since trying it again within the
// pass would get the same (the next run tries it again).
//
// The pass thread alone drives the slot (Begin, Advance, Abandon) and never sleeps in it.
// Each try runs on the fetch thread of the base class, which only notes every sign of
// life and how the try ended, and sets the pass's wake event at the end; the pass thread
// looks at the slot when woken and when the slot's own moment comes (the silence limit,
// the end of a pause), which Advance tells it.
#pragma once

#include "net/HttpFileFetcher.h"

#include "archive/PhotoPass.h"

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>

namespace nook {

class CPhotoFetch : public CHttpFileFetcher {
public:
    static constexpr int kTries = 3;

    // `wake` is set whenever a try ends; `session` is the pass's, open and asynchronous;
    // both outlive the slot. `silenceLimit` in milliseconds.
    CPhotoFetch(HANDLE wake, const CInternetSession& session, ULONGLONG silenceLimit);
    ~CPhotoFetch() override;

    bool IsBusy() const { return item_ != nullptr; }
    // The photo in hand, while busy.
    size_t Index() const { return index_; }
    const std::string& LocalPath() const { return item_->localPath; }

    // Takes photo `index` of the pass (`item` outlives it) and starts its first try; `now`
    // is GetTickCount64.
    void Begin(size_t index, const DownloadItem& item, ULONGLONG now);

    // The outcome once the photo is handled, which leaves the slot idle. Until then
    // nothing, and `due` is brought forward to when the slot wants to be looked at again.
    std::optional<PhotoOutcome> Advance(ULONGLONG now, ULONGLONG& due);

    // Ends the try in flight or the pause; the photo is neither reported nor cleaned up.
    void Abandon();

protected:
    void OnNotify(FetchNotice code, std::int64_t total, std::int64_t done) override;

private:
    enum class FetchEnd { Finished, Failed, Silent, NotStarted };

    void StartTry(ULONGLONG now);
    // Stops the fetch thread, after its end or when silent too long, and tells how the try ended.
    FetchEnd EndTry();
    PhotoOutcome Judge(FetchEnd end) const;
    bool IsPassing(FetchEnd end) const;
    std::string TemporaryPath() const { return item_->localPath + ".Tmp"; }

    const HANDLE wake_; // not owned: the pass's
    const ULONGLONG silenceLimit_;

    // Pass thread only.
    const DownloadItem* item_ = nullptr; // not owned: the pass's list; null while idle
    size_t index_ = 0;
    int tries_ = 0;
    bool notStarted_ = false;
    bool pausing_ = false;
    ULONGLONG resumeAt_ = 0;

    // The try in flight, written by its fetch thread.
    std::atomic<int> end_{0}; // the FetchNotice that ended the try, 0 before
    std::atomic<bool> fileCreated_{false};
    std::atomic<ULONGLONG> lastSign_{0}; // GetTickCount64 of the last notice
};

} // namespace nook
