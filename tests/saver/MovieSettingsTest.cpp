#include "core/MovieSettings.h"

#include "platform/Files.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct SettingsCase {
    const char* name;
    const char* file; // null: no file at all
    int32_t type;
    const char* data;
    const char* passThrough;
};

// Test names and failure messages show the case, not its bytes.
void PrintTo(const SettingsCase& c, std::ostream* out) {
    *out << c.name;
}

const SettingsCase kCases[] = {
    {"TypeDataAndOthersInOrder",
     "<nookscreensaver>\r\n<config w=\"1\" type=\"4\" data=\"D\" M=\"V\" "
     "x=\"a&amp;b\"/>\r\n</nookscreensaver>\r\n",
     4, "D", "&w=1&M=V&x=a&b"},
    {"NamesInAnyCaseLaterDataWins",
     "<nookscreensaver><config TYPE=\"2\" Data=\"first\" dATA=\"second\"/></nookscreensaver>", 2, "second",
     ""},
    {"TypeReadsItsLeadingDigits", "<nookscreensaver><config type=\"12abc\"/></nookscreensaver>", 12, "", ""},
    {"TypeWithoutDigitsIsZero", "<nookscreensaver><config type=\"abc\" data=\"D\"/></nookscreensaver>", 0,
     "D", ""},
    {"OnlyTheConfigElementCounts",
     "<nookscreensaver><other type=\"3\"/><config data=\"D\"/></nookscreensaver>", 0, "D", ""},
    {"OtherRootGivesDefaults", "<screensaver><config type=\"3\"/></screensaver>", 0, "", ""},
    {"MissingFileGivesDefaults", nullptr, 0, "", ""},
};

class MovieSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(MovieSettings, ReadFromTheConfigElement) {
    std::string path = nook::test::ScratchDir() + "SSConfig.XML";
    if (GetParam().file) {
        ASSERT_TRUE(platform::WriteFileAtomically(path, GetParam().file));
    }
    nook::MovieSettings settings = nook::ReadMovieSettings(path);
    EXPECT_EQ(settings.type, GetParam().type);
    EXPECT_EQ(settings.data, GetParam().data);
    EXPECT_EQ(settings.passThrough, GetParam().passThrough);
}

INSTANTIATE_TEST_SUITE_P(Files, MovieSettings, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
