// Each theme keeps every picture it says it has room for: the stage asks the worker for
// no more, and a picture taken but dropped is a decoding thrown away and a photo skipped.
#include "stage/StageTheme.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(StageTheme, RoomEndsOnceThePicturesItAskedForAreTaken) {
    for (const char* plugin : {"SS_Lullaby.dll", "SS_Orchard.dll", "SS_Glass.dll", "SS_Torch.dll"}) {
        std::unique_ptr<nook::IStageTheme> theme = nook::MakeThemeForPlugin(plugin, 1);
        int taken = 0;
        while (theme->Room() > 0 && taken <= nook::kMostStagePictures) {
            theme->Take(std::make_unique<nook::StagePicture>(), 0.0);
            ++taken;
        }
        EXPECT_EQ(theme->Room(), 0) << plugin;
        EXPECT_GE(taken, 1) << plugin;
        EXPECT_LE(taken, nook::kMostStagePictures) << plugin;
    }
}

} // namespace
