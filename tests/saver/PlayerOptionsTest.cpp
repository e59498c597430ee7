// What SSConfig.XML says of the player itself: Flash instead of the stage, and sound.
#include "player/PlayerOptions.h"

#include "platform/Files.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct OptionsCase {
    const char* name;
    const char* config; // null: no file
    bool flash;
    bool sound;
};

void PrintTo(const OptionsCase& c, std::ostream* out) {
    *out << c.name;
}

const OptionsCase kCases[] = {
    {"BothOn", "<nookscreensaver><config type=\"1\" flash=\"1\" sound=\"1\"/></nookscreensaver>", true, true},
    {"AnyLetterCase", "<nookscreensaver><config FLASH=\"1\" Sound=\"1\"/></nookscreensaver>", true, true},
    {"OnlyOneIsOn", "<nookscreensaver><config type=\"1\" sound=\"0\" flash=\"1\"/></nookscreensaver>", true, false},
    {"OtherValuesAreOff", "<nookscreensaver><config flash=\"yes\" sound=\"10\"/></nookscreensaver>", false, false},
    {"AbsentAreOff", "<nookscreensaver><config type=\"1\" data=\"\"/></nookscreensaver>", false, false},
    {"OutsideConfigAreIgnored", "<nookscreensaver><other flash=\"1\" sound=\"1\"/></nookscreensaver>", false, false},
    {"UnreadableFileGivesNeither", "<nookscreensaver><config flash=\"1\"", false, false},
    {"NoFileGivesNeither", nullptr, false, false},
};

class PlayerOptions : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(PlayerOptions, FromTheConfiguration) {
    std::string path = nook::test::ScratchDir() + "SSConfig.XML";
    if (GetParam().config) {
        ASSERT_TRUE(platform::WriteFileAtomically(path, GetParam().config));
    }
    nook::PlayerOptions options = nook::ReadPlayerOptions(path);
    EXPECT_EQ(options.flash, GetParam().flash);
    EXPECT_EQ(options.sound, GetParam().sound);
}

INSTANTIATE_TEST_SUITE_P(Configurations, PlayerOptions, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
