// The plug-in registry: which "screensaver" elements become entries, which libraries
// get loaded, and where they are loaded from.
#include "registry/PluginRegistry.h"

#include "platform/Files.h"
#include "platform/win32/WideText.h"
#include "tests/saver/SaverTestFiles.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <ostream>
#include <windows.h>

#include <vector>

namespace {

using nook::test::BuiltPlugin;
using nook::test::ScratchDir;

std::string SupportList(const std::string& screensavers) {
    return "<nookscreensaver>\r\n<screensaverlist>\r\n" + screensavers +
           "</screensaverlist>\r\n</nookscreensaver>\r\n";
}

// A program folder with the plug-in libraries the cases name.
std::string ProgramFolder() {
    std::string dir = ScratchDir();
    for (const char* plugin : {"SS_Lullaby", "SS_Orchard"})
        platform::CopyFileTo(BuiltPlugin(plugin), dir + plugin + ".dll", true);
    platform::CopyFileTo(nook::test::FiveOfSixPlugin(), dir + "SS_FiveOfSix.dll", true);
    return dir;
}

struct ExpectedEntry {
    int32_t type;
    const char* file;
    bool loaded;
    const char* name;
    const char* makeonline;
};

struct RegistryCase {
    const char* name;
    const char* screensavers;
    std::vector<ExpectedEntry> entries;
    std::vector<int32_t> absent;
};

// Test names and failure messages show the case, not its bytes.
void PrintTo(const RegistryCase& c, std::ostream* out) {
    *out << c.name;
}

const RegistryCase kCases[] = {
    {"FirstCompletelyLoadedLibraryOfATypeWins",
     "<screensaver type=\"5\" file=\"Missing.dll\" name=\"a\"/>\r\n"
     "<screensaver type=\"5\" file=\"SS_Lullaby.dll\" name=\"b\"/>\r\n"
     "<screensaver type=\"5\" file=\"SS_Orchard.dll\" name=\"c\"/>\r\n",
     {{5, "SS_Lullaby.dll", true, "b", ""}},
     {}},
    {"LaterElementReplacesOneThatFailed",
     "<screensaver type=\"6\" file=\"Missing.dll\" name=\"a\"/>\r\n"
     "<screensaver type=\"6\" file=\"AlsoMissing.dll\" name=\"b\"/>\r\n",
     {{6, "AlsoMissing.dll", false, "b", ""}},
     {}},
    {"TypeIsReadFromItsLeadingDigits",
     "<screensaver type=\"0\" file=\"SS_Lullaby.dll\"/>\r\n"
     "<screensaver type=\"\" file=\"SS_Lullaby.dll\"/>\r\n"
     "<screensaver file=\"SS_Lullaby.dll\"/>\r\n"
     "<screensaver type=\"abc\" file=\"SS_Lullaby.dll\"/>\r\n"
     "<screensaver type=\"12abc\" file=\"SS_Orchard.dll\"/>\r\n",
     {{12, "SS_Orchard.dll", true, "", ""}},
     {0}},
    {"FiveOfSixEntryPointsGiveANullBinding",
     "<screensaver type=\"7\" file=\"SS_FiveOfSix.dll\"/>\r\n",
     {{7, "SS_FiveOfSix.dll", false, "", ""}},
     {}},
    {"NameAndTrimmedMakeonlineAreKept",
     "<screensaver type=\"1\" file=\"SS_Lullaby.dll\" name=\"\xD2\xA1\xC0\xBA\xC7\xFA\" makeonline=\" "
     "\thttp://m/ \"/>\r\n"
     "<other type=\"2\" file=\"SS_Orchard.dll\"/>\r\n",
     {{1, "SS_Lullaby.dll", true, "\xD2\xA1\xC0\xBA\xC7\xFA", "http://m/"}},
     {2}},
};

class PluginRegistryLoad : public ::testing::TestWithParam<RegistryCase> {};

TEST_P(PluginRegistryLoad, EntriesAndBindings) {
    std::string dir = ProgramFolder();
    ASSERT_TRUE(platform::WriteFileAtomically(dir + "SupportList.XML", SupportList(GetParam().screensavers)));
    nook::PluginRegistry registry;
    registry.Load(dir);

    for (const ExpectedEntry& expected : GetParam().entries) {
        SCOPED_TRACE(expected.type);
        nook::PluginEntry entry = registry.Lookup(expected.type);
        EXPECT_EQ(entry.type, expected.type);
        EXPECT_EQ(entry.file, expected.file);
        EXPECT_EQ(entry.name, expected.name);
        EXPECT_EQ(entry.makeonline, expected.makeonline);
        ASSERT_EQ(entry.binding != nullptr, expected.loaded);
        if (expected.loaded) {
            EXPECT_TRUE(entry.binding->IsLoaded());
        }
    }
    for (int32_t type : GetParam().absent) {
        nook::PluginEntry entry = registry.Lookup(type);
        EXPECT_EQ(entry.file, "") << type;
        EXPECT_EQ(entry.binding, nullptr) << type;
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, PluginRegistryLoad, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PluginRegistry, LoadsTheCopyInTheCacheFolderAndReleasesItOnClear) {
    std::string dir = ProgramFolder();
    ASSERT_TRUE(platform::WriteFileAtomically(
        dir + "SupportList.XML", SupportList("<screensaver type=\"1\" file=\"SS_Lullaby.dll\"/>\r\n")));
    ASSERT_FALSE(platform::DirectoryExists(dir + "Cache"));
    nook::PluginRegistry registry;
    registry.Load(dir);

    std::string cached = dir + "Cache\\SS_Lullaby.dll";
    EXPECT_TRUE(platform::FileExists(cached));
    EXPECT_NE(GetModuleHandleW(platform::ToWide(cached).c_str()), nullptr);
    nook::PluginEntry entry = registry.Lookup(1);
    ASSERT_NE(entry.binding, nullptr);
    EXPECT_EQ(entry.binding->GetMovieFile(), dir + "Cache\\SS_Lullaby.SDAT");
    EXPECT_EQ(entry.binding->GetName(), "\xD2\xA1\xC0\xBA\xC7\xFA");

    registry.Clear();
    EXPECT_EQ(GetModuleHandleW(platform::ToWide(cached).c_str()), nullptr);
    EXPECT_EQ(registry.Lookup(1).file, "");
}

TEST(PluginRegistry, MissingListLeavesTheRegistryEmpty) {
    nook::PluginRegistry registry;
    registry.Load(ScratchDir());
    EXPECT_EQ(registry.Lookup(1).binding, nullptr);
    EXPECT_EQ(registry.Lookup(2).file, "");
}

} // namespace
