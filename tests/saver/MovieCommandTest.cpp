// The commands a movie sends: one closes the player, the rest become configuration.
#include "core/MovieCommand.h"

#include "platform/Files.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using nook::MovieCommandResult;

const char kDefaultConfig[] = "<nookscreensaver>\r\n<config type=\"1\" data=\"\"/>\r\n</nookscreensaver>\r\n";

struct CommandCase {
    const char* name;
    const char* command;
    const char* arguments;
    const char* before; // null: no configuration file yet
    MovieCommandResult result;
    const char* after; // null: no file afterwards
};

// Test names and failure messages show the case, not its bytes.
void PrintTo(const CommandCase& c, std::ostream* out) {
    *out << c.name;
}

const CommandCase kCases[] = {
    {"ExitClosesAndStoresNothing", "app.exit", "", nullptr, MovieCommandResult::Exit, nullptr},
    {"ExitInCapitalsCloses", "APP.EXIT", "", kDefaultConfig, MovieCommandResult::Exit, kDefaultConfig},
    {"TypeCreatesTheFileWithRootAndConfig", "app.type", "2", nullptr, MovieCommandResult::Stored,
     "<nookscreensaver>\r\n<config type=\"2\"/>\r\n</nookscreensaver>\r\n"},
    {"ExitWithoutPrefixIsAnAttribute", "exit", "", nullptr, MovieCommandResult::Stored,
     "<nookscreensaver>\r\n<config exit=\"\"/>\r\n</nookscreensaver>\r\n"},
    {"PrefixInAnyCaseIsCut", "App.sound", "off", kDefaultConfig, MovieCommandResult::Stored,
     "<nookscreensaver>\r\n<config type=\"1\" data=\"\" sound=\"off\"/>\r\n</nookscreensaver>\r\n"},
    {"ExistingAttributeIsReplaced", "app.type", "3", kDefaultConfig, MovieCommandResult::Stored,
     "<nookscreensaver>\r\n<config type=\"3\" data=\"\"/>\r\n</nookscreensaver>\r\n"},
    {"ValueIsEscaped", "app.data", "a&b<c\"d", nullptr, MovieCommandResult::Stored,
     "<nookscreensaver>\r\n<config data=\"a&amp;b&lt;c&quot;d\"/>\r\n</nookscreensaver>\r\n"},
    {"ChineseNameIsAName", "app.\xD2\xF4\xC1\xBF", "5", nullptr, MovieCommandResult::Stored,
     "<nookscreensaver>\r\n<config \xD2\xF4\xC1\xBF=\"5\"/>\r\n</nookscreensaver>\r\n"},
    // Names that would break the file it is stored in.
    {"EmptyNameIsIgnored", "app.", "1", kDefaultConfig, MovieCommandResult::Ignored, kDefaultConfig},
    {"NameWithSpaceIsIgnored", "app.a b", "1", nullptr, MovieCommandResult::Ignored, nullptr},
    {"NameWithMarkupIsIgnored", "app.x\"/><y", "1", kDefaultConfig, MovieCommandResult::Ignored,
     kDefaultConfig},
};

class MovieCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(MovieCommand, ClosesOrStores) {
    const CommandCase& c = GetParam();
    std::string path = nook::test::ScratchDir() + "SSConfig.XML";
    if (c.before) {
        ASSERT_TRUE(platform::WriteFileAtomically(path, c.before));
    }

    EXPECT_EQ(nook::HandleMovieCommand(c.command, c.arguments, path), c.result);

    if (c.after)
        EXPECT_EQ(nook::test::ReadAll(path), c.after);
    else
        EXPECT_FALSE(platform::FileExists(path));
}

INSTANTIATE_TEST_SUITE_P(Commands, MovieCommand, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
