// Where a photo pass stands, for the status line: the photos handled of the total and
// the time left, estimated from the pace so far. The line changes at most twice a
// second, however fast the photos come, except for the last photo, which always shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace nook {

// The pass's text, then on a line of its own "已下载 H / T 张照片", followed by
// "，约剩 N 分钟" (or "N 秒" under a minute) once a photo is handled and some are left.
// Code page 936.
std::string PhotoPassProgressText(size_t handled, size_t total, uint64_t elapsedMs);

class CPhotoPassProgress {
public:
    static constexpr uint64_t kMinIntervalMs = 500;

    void Begin(size_t total, uint64_t nowMs);
    // One more photo handled; the text to show, or none when the line was changed less
    // than kMinIntervalMs ago.
    std::optional<std::string> PhotoHandled(uint64_t nowMs);
    std::string Text(uint64_t nowMs) const;

private:
    size_t total_ = 0;
    size_t handled_ = 0;
    uint64_t startMs_ = 0;
    uint64_t shownMs_ = 0;
};

} // namespace nook
