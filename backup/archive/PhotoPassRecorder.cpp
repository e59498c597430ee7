#include "archive/PhotoPassRecorder.h"

#include <utility>

namespace nook {

CPhotoPassRecorder::CPhotoPassRecorder(CPhotoList& list, std::string listPath,
                                       const std::vector<DownloadItem>& items, std::string today,
                                       Clock::duration saveEvery)
    : list_(list), listPath_(std::move(listPath)), today_(std::move(today)), saveEvery_(saveEvery),
      lastSave_(Clock::now()) {
    urls_.reserve(items.size());
    for (const DownloadItem& item : items)
        urls_.push_back(item.url);
}

void CPhotoPassRecorder::OnPhotoHandled(size_t index, const PhotoOutcome& outcome) {
    if (index >= urls_.size()) return;
    list_.RecordOutcome(urls_[index], outcome, today_);
    unsaved_ = true;
    // A kill loses at most the last few seconds; a photo already in place is found again
    // by the repair when the archive is next loaded.
    if (Clock::now() - lastSave_ < saveEvery_) return;
    list_.Save(listPath_, platform::Durability::Deferred);
    lastSave_ = Clock::now();
    unsaved_ = false;
}

void CPhotoPassRecorder::OnPassEnded() {
    if (unsaved_) list_.Save(listPath_, platform::Durability::Immediate);
    unsaved_ = false;
}

} // namespace nook
