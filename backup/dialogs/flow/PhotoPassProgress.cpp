#include "dialogs/flow/PhotoPassProgress.h"

#include "dialogs/flow/ArchivistDlgTexts.h"

#include <cstdio>

namespace nook {

namespace {

// "，约剩 N 分钟" from a minute on, rounded up; "，约剩 N 秒" below.
std::string TimeLeftText(uint64_t leftMs) {
    char text[64];
    if (leftMs >= 60000)
        std::snprintf(text, sizeof text, "\xa3\xac\xd4\xbc\xca\xa3 %llu \xb7\xd6\xd6\xd3",
                      static_cast<unsigned long long>((leftMs + 59999) / 60000));
    else
        std::snprintf(text, sizeof text, "\xa3\xac\xd4\xbc\xca\xa3 %llu \xc3\xeb",
                      static_cast<unsigned long long>(leftMs == 0 ? 1 : (leftMs + 999) / 1000));
    return text;
}

} // namespace

std::string PhotoPassProgressText(size_t handled, size_t total, uint64_t elapsedMs) {
    char counts[96];
    std::snprintf(counts, sizeof counts, "\xd2\xd1\xcf\xc2\xd4\xd8 %llu / %llu \xd5\xc5\xd5\xd5\xc6\xac",
                  static_cast<unsigned long long>(handled), static_cast<unsigned long long>(total));
    std::string text = std::string(kDownloadingText) + "\r\n" + counts;
    if (handled > 0 && handled < total)
        text += TimeLeftText(elapsedMs / handled * (total - handled));
    return text;
}

void CPhotoPassProgress::Begin(size_t total, uint64_t nowMs) {
    total_ = total;
    handled_ = 0;
    startMs_ = shownMs_ = nowMs;
}

std::optional<std::string> CPhotoPassProgress::PhotoHandled(uint64_t nowMs) {
    if (handled_ < total_) ++handled_;
    if (handled_ < total_ && nowMs - shownMs_ < kMinIntervalMs) return std::nullopt;
    shownMs_ = nowMs;
    return Text(nowMs);
}

std::string CPhotoPassProgress::Text(uint64_t nowMs) const {
    return PhotoPassProgressText(handled_, total_, nowMs - startMs_);
}

} // namespace nook
