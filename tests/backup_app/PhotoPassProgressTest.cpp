// The photo pass's status line: counts, the time left, and how often it changes.
#include "dialogs/flow/ArchivistDlgTexts.h"
#include "dialogs/flow/PhotoPassProgress.h"
#include "tests/backup_app/support/TestText.h"

#include <gtest/gtest.h>

#include <vector>

namespace nook {
namespace {

using test::Gbk;

struct TextCase {
    size_t handled, total;
    uint64_t elapsedMs;
    const char* secondLine; // UTF-8
};

const TextCase kTextCases[] = {
    {0, 3127, 0, u8"已下载 0 / 3127 张照片"},                     // no pace yet
    {123, 3127, 6150, u8"已下载 123 / 3127 张照片，约剩 3 分钟"},   // 50 ms a photo: 150.2 s, rounded up
    {3000, 3127, 60000, u8"已下载 3000 / 3127 张照片，约剩 3 秒"},  // 20 ms a photo: 2.54 s
    {1, 2, 59999, u8"已下载 1 / 2 张照片，约剩 60 秒"},             // just under a minute
    {1, 2, 60000, u8"已下载 1 / 2 张照片，约剩 1 分钟"},
    {4, 5, 0, u8"已下载 4 / 5 张照片，约剩 1 秒"},                  // never "0 seconds" while one is left
    {5, 5, 9000, u8"已下载 5 / 5 张照片"},                         // done: nothing left to estimate
};

TEST(PhotoPassProgress, TextCountsThePhotosAndEstimatesTheTimeLeftFromThePaceSoFar) {
    for (const TextCase& c : kTextCases) {
        EXPECT_EQ(PhotoPassProgressText(c.handled, c.total, c.elapsedMs),
                  std::string(kDownloadingText) + "\r\n" + Gbk(c.secondLine))
            << c.handled << "/" << c.total << " after " << c.elapsedMs << " ms";
    }
}

TEST(PhotoPassProgress, LineChangesAtMostTwiceASecondButAlwaysForTheLastPhoto) {
    struct Step {
        uint64_t nowMs;
        bool shown;
    };
    // Four photos of a pass begun at 1000 ms.
    const std::vector<Step> steps = {{1100, false}, {1499, false}, {1500, true}, {1600, true}};
    CPhotoPassProgress progress;
    progress.Begin(4, 1000);
    size_t handled = 0;
    for (const Step& step : steps) {
        ++handled;
        const std::optional<std::string> text = progress.PhotoHandled(step.nowMs);
        ASSERT_EQ(text.has_value(), step.shown) << "photo " << handled << " at " << step.nowMs;
        if (text) {
            EXPECT_EQ(*text, PhotoPassProgressText(handled, 4, step.nowMs - 1000));
        }
    }
}

TEST(PhotoPassProgress, ExtraReportsNeverCountPastTheTotal) {
    CPhotoPassProgress progress;
    progress.Begin(1, 0);
    progress.PhotoHandled(10);
    EXPECT_EQ(progress.PhotoHandled(2000), PhotoPassProgressText(1, 1, 2000));
}

} // namespace
} // namespace nook
