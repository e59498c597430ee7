// Writes what a photo pass achieves into the photo list as it happens: each photo is
// marked as soon as it is handled, and the list is saved every few seconds and when the
// pass ends, so a pass ended at any moment (the program killed, the machine asleep)
// resumes where it stopped. Runs on the pass thread, which alone touches the list then.
#pragma once

#include "archive/PhotoList.h"
#include "archive/PhotoPass.h"

#include <chrono>
#include <string>
#include <vector>

namespace nook {

class CPhotoPassRecorder final : public IPhotoPassSink {
  public:
    using Clock = std::chrono::steady_clock;

    // `list` (not owned) must outlive the pass; `items` are the pass's photos, in order.
    // `today` is the day of the run, "YYYY-MM-DD".
    CPhotoPassRecorder(CPhotoList& list, std::string listPath, const std::vector<DownloadItem>& items,
                       std::string today, Clock::duration saveEvery = std::chrono::seconds(2));

    void OnPhotoHandled(size_t index, const PhotoOutcome& outcome) override;
    void OnPassEnded() override;

  private:
    CPhotoList& list_;
    std::string listPath_;
    std::vector<std::string> urls_;
    std::string today_;
    Clock::duration saveEvery_;
    Clock::time_point lastSave_;
    bool unsaved_ = false;
};

} // namespace nook
