// The address the player gives the movie control, from "SSConfig.XML" and the
// registry: the configured plug-in, the type-2 stand-in, or the placeholder movie.
#include "player/MovieChoice.h"

#include "platform/Files.h"
#include "registry/PluginRegistry.h"
#include "tests/saver/SaverTestFiles.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const char kLullaby[] = "<screensaver type=\"1\" file=\"SS_Lullaby.dll\"/>\r\n";
const char kOrchard[] = "<screensaver type=\"2\" file=\"SS_Orchard.dll\"/>\r\n";
const char kNoMovie[] = "<screensaver type=\"3\" file=\"SS_NoMovie.dll\"/>\r\n";

struct ChoiceCase {
    const char* name;
    std::string screensavers;
    const char* config;
    bool fullScreen;
    const char* address; // "{dir}" stands for the program folder
    const char* pluginName;
    const char* pluginFile; // picks the stage's theme
    const char* albumData;  // what the stage is given as "data"
};

// Test names and failure messages show the case, not its bytes.
void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.name;
}

const ChoiceCase kCases[] = {
    {"ConfiguredPluginWithDataAndPassThrough", std::string(kLullaby) + kOrchard,
     "<nookscreensaver>\r\n<config type=\"1\" data=\"D\" M=\"V\"/>\r\n</nookscreensaver>\r\n", true,
     "{dir}Cache\\SS_Lullaby.SDAT?param=D&view=full&adv={dir}SSData.dat&M=V", "\xD2\xA1\xC0\xBA\xC7\xFA",
     "SS_Lullaby.dll", "D"},
    {"PreviewIsTheWindowView", std::string(kLullaby),
     "<nookscreensaver><config Type=\"1\" DATA=\"D\"/></nookscreensaver>", false,
     "{dir}Cache\\SS_Lullaby.SDAT?param=D&view=window&adv={dir}SSData.dat", "\xD2\xA1\xC0\xBA\xC7\xFA",
     "SS_Lullaby.dll", "D"},
    {"UnlistedTypeFallsBackToTypeTwoWithoutData", std::string(kLullaby) + kOrchard,
     "<nookscreensaver><config type=\"9\" data=\"D\" M=\"V\"/></nookscreensaver>", true,
     "{dir}Cache\\SS_Orchard.SDAT?&view=full&adv={dir}SSData.dat&M=V", "\xCC\xF0\xB3\xC8\xD4\xB0",
     "SS_Orchard.dll", ""},
    {"MissingConfigurationFallsBackToTypeTwo", std::string(kOrchard), nullptr, true,
     "{dir}Cache\\SS_Orchard.SDAT?&view=full&adv={dir}SSData.dat", "\xCC\xF0\xB3\xC8\xD4\xB0",
     "SS_Orchard.dll", ""},
    // A plug-in that cannot write its movie would leave the player with nothing to play.
    {"PluginWithoutAMovieFallsBack", std::string(kNoMovie) + kOrchard,
     "<nookscreensaver><config type=\"3\"/></nookscreensaver>", true,
     "{dir}Cache\\SS_Orchard.SDAT?&view=full&adv={dir}SSData.dat", "\xCC\xF0\xB3\xC8\xD4\xB0",
     "SS_Orchard.dll", ""},
    {"NoTypeTwoPlaysThePlaceholder", std::string(kLullaby),
     "<nookscreensaver><config type=\"9\" data=\"D\"/></nookscreensaver>", true, "{dir}empty.swf", "", "", ""},
    {"NoPluginsPlayThePlaceholder", "", "<nookscreensaver><config type=\"1\"/></nookscreensaver>", false,
     "{dir}empty.swf", "", "", ""},
};

std::string WithDir(std::string text, const std::string& dir) {
    for (size_t at; (at = text.find("{dir}")) != std::string::npos;)
        text.replace(at, 5, dir);
    return text;
}

class MovieChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(MovieChoice, AddressFromConfigurationAndRegistry) {
    const ChoiceCase& c = GetParam();
    std::string dir = nook::test::ScratchDir();
    for (const char* plugin : {"SS_Lullaby", "SS_Orchard"})
        platform::CopyFileTo(nook::test::BuiltPlugin(plugin), dir + plugin + ".dll", true);
    platform::CopyFileTo(nook::test::NoMoviePlugin(), dir + "SS_NoMovie.dll", true);
    ASSERT_TRUE(platform::WriteFileAtomically(dir + "SupportList.XML",
                                              "<nookscreensaver>\r\n<screensaverlist>\r\n" + c.screensavers +
                                                  "</screensaverlist>\r\n</nookscreensaver>\r\n"));
    if (c.config) {
        ASSERT_TRUE(platform::WriteFileAtomically(dir + "SSConfig.XML", c.config));
    }
    nook::PluginRegistry registry;
    registry.Load(dir);

    nook::MovieChoice choice = nook::ChooseMovie(registry, nook::ReadMovieSettings(dir + "SSConfig.XML"),
                                                 nook::MovieView{c.fullScreen, dir});

    EXPECT_EQ(choice.address, WithDir(c.address, dir));
    EXPECT_EQ(choice.pluginName, c.pluginName);
    EXPECT_EQ(choice.pluginFile, c.pluginFile);
    EXPECT_EQ(choice.albumData, c.albumData);
}

INSTANTIATE_TEST_SUITE_P(Configurations, MovieChoice, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
