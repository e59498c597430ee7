// The plug-in libraries as the screen saver and the configuration program see them:
// loaded by file name, entry points bound by plain name, strings by value.
#include "platform/Files.h"
#include "platform/Uuid.h"
#include "platform/win32/WideText.h"
#include "string/RefString.h"
#include "tests/support/TestPaths.h"
#include "util/DirectoryPath.h"

#include <gtest/gtest.h>

#include <ostream>
#include <windows.h>

#include <set>

namespace {

using nook::CRefString;
using nook::test::ReadAll;
using nook::test::ScratchDir;

using GetTextFn = CRefString (*)();
using GetIconFn = uint16_t (*)();
using LocalFn = int (*)();
using ParseFn = CRefString (*)(CRefString, CRefString);

std::string WithBackslashes(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string BuiltPlugin(const std::string& name) {
    return WithBackslashes(NOOK_PLUGIN_BUILD_DIR "/") + name + ".dll";
}

template <typename Fn> Fn Bind(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The names in the export directory of a loaded library.
std::set<std::string> ExportNames(HMODULE module) {
    auto* base = reinterpret_cast<const BYTE*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    std::set<std::string> result;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        result.insert(reinterpret_cast<const char*>(base + names[i]));
    return result;
}

// A copy of a built plug-in loaded from `path`, so its data file lands beside the copy.
class LoadedPlugin {
  public:
    LoadedPlugin(const std::string& built, const std::string& path, const std::string& loadName) {
        nook::MakeFileDirectory(path);
        if (platform::CopyFileTo(built, path, true))
            module_ = LoadLibraryW(platform::ToWide(loadName).c_str());
    }
    ~LoadedPlugin() {
        if (module_) FreeLibrary(module_);
    }
    HMODULE Module() const { return module_; }
    // Copied into the test's own strings at once: nothing of the library's outlives it.
    std::string Text(const char* entry) const { return Bind<GetTextFn>(module_, entry)().str(); }
    std::string MovieFile() const { return Text("SS_GetSSFile"); }

  private:
    HMODULE module_ = nullptr;
};

struct PluginCase {
    const char* library;
    const char* name; // code page 936
    uint16_t iconId;
    const char* movie;        // the committed movie, under the source root
    const char* config;       // a small configuration in the plug-in's schema
    const char* firstAddress; // the address its download list starts with
};

// Test names and failure messages show the case, not its bytes.
void PrintTo(const PluginCase& c, std::ostream* out) {
    *out << c.library;
}

const PluginCase kPlugins[] = {
    {"SS_Lullaby", "\xD2\xA1\xC0\xBA\xC7\xFA", 7001, "plugins/lullaby/res/SS_Lullaby.swf",
     "<album music=\"http://m/1.mp3\"/>", "http://m/1.mp3"},
    {"SS_Orchard", "\xCC\xF0\xB3\xC8\xD4\xB0", 2000, "plugins/orchard/res/SS_Orchard.swf",
     "<album><photo imgurl=\"http://p/2.jpg\"/></album>", "http://p/2.jpg"},
    {"SS_Glass", "\xB2\xA3\xC1\xA7\xB4\xB0", 6001, "plugins/glass/res/SS_Glass.swf",
     "<params><img src=\"http://g/3.png\"/></params>", "http://g/3.png"},
    {"SS_Torch", "\xB5\xE3\xB5\xC6\xC8\xCB", 3001, "plugins/torch/res/SS_Torch.swf",
     "<params pic=\"http://t/4.jpg\"/>", "http://t/4.jpg"},
};

class PluginLibrary : public ::testing::TestWithParam<PluginCase> {
  protected:
    void SetUp() override {
        dir_ = ScratchDir();
        std::string path = dir_ + GetParam().library + ".dll";
        plugin_ = std::make_unique<LoadedPlugin>(BuiltPlugin(GetParam().library), path, path);
        ASSERT_NE(plugin_->Module(), nullptr);
    }
    std::string dir_;
    std::unique_ptr<LoadedPlugin> plugin_;
};

TEST_P(PluginLibrary, ExportsTheSevenEntryPointsUnderPlainNames) {
    HMODULE module = plugin_->Module();
    EXPECT_EQ(ExportNames(module),
              (std::set<std::string>{"SS_CreateLocal", "SS_GetIconID", "SS_GetName", "SS_GetSSFile",
                                     "SS_GetVersion", "SS_ParseXML", "SS_SupportCreateLocal"}));
    auto support = Bind<LocalFn>(module, "SS_SupportCreateLocal");
    auto create = Bind<LocalFn>(module, "SS_CreateLocal");
    EXPECT_EQ(support, create) << "one routine under two names";
    ASSERT_NE(create, nullptr);
    EXPECT_EQ(create(), 0);
}

TEST_P(PluginLibrary, ReportsItsConstants) {
    HMODULE module = plugin_->Module();
    CRefString name = Bind<GetTextFn>(module, "SS_GetName")();
    EXPECT_EQ(plugin_->Text("SS_GetVersion"), "1.0.0.1");
    uint16_t icon = Bind<GetIconFn>(module, "SS_GetIconID")();
    EXPECT_EQ(icon, GetParam().iconId);
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(icon), RT_GROUP_ICON), nullptr);
    // Still intact after other calls have made and released strings of their own.
    plugin_->MovieFile();
    EXPECT_EQ(name.view(), GetParam().name);
}

TEST_P(PluginLibrary, WritesItsMovieBesideItselfOnEveryCall) {
    std::string expected = ReadAll(WithBackslashes(NOOK_SOURCE_DIR "/") + WithBackslashes(GetParam().movie));
    ASSERT_EQ(expected.substr(0, 3), "CWS");
    std::string dataFile = dir_ + GetParam().library + ".SDAT";

    EXPECT_EQ(plugin_->MovieFile(), dataFile);
    EXPECT_EQ(ReadAll(dataFile), expected);
    ASSERT_TRUE(platform::WriteFileAtomically(dataFile, "stale and longer than the movie itself, to be cut"));
    EXPECT_EQ(plugin_->MovieFile(), dataFile);
    EXPECT_EQ(ReadAll(dataFile), expected);
}

TEST_P(PluginLibrary, TranslatesItsOwnSchema) {
    std::string config = dir_ + "content.xml";
    ASSERT_TRUE(platform::WriteFileAtomically(config, GetParam().config));
    auto parse = Bind<ParseFn>(plugin_->Module(), "SS_ParseXML");
    std::string list = parse(CRefString(config), CRefString("C:\\Cache\\")).str();
    EXPECT_NE(list.find(std::string("<file url=\"") + GetParam().firstAddress + "\" src=\"C:\\Cache\\"),
              std::string::npos)
        << list;
}

INSTANTIATE_TEST_SUITE_P(Plugins, PluginLibrary, ::testing::ValuesIn(kPlugins),
                         [](const auto& info) { return std::string(info.param.library); });

// A folder without any "." in its path, under the system's temporary folder.
std::string DotFreeDir() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::string dir = platform::FromWide(temp) + "nookplugin-" + platform::NewUuidText() + "\\";
    nook::MakeDirectoryPath(dir);
    return dir;
}

TEST(PluginMovieFile, LibraryPathWithoutAnyDotGetsTheSuffixAppended) {
    std::string dir = DotFreeDir();
    ASSERT_EQ(dir.find('.'), std::string::npos) << dir;
    // The trailing "." keeps the loader from adding ".dll" to a name without extension.
    LoadedPlugin plugin(BuiltPlugin("SS_Torch"), dir + "SS_Torch", dir + "SS_Torch.");
    ASSERT_NE(plugin.Module(), nullptr);
    EXPECT_EQ(plugin.MovieFile(), dir + "SS_Torch.SDAT");
    EXPECT_TRUE(platform::FileExists(dir + "SS_Torch.SDAT"));
}

TEST(PluginMovieFile, DotInAFolderNameCutsThePathThere) {
    std::string dir = DotFreeDir();
    LoadedPlugin plugin(BuiltPlugin("SS_Torch"), dir + "v1.5\\SS_Torch", dir + "v1.5\\SS_Torch.");
    ASSERT_NE(plugin.Module(), nullptr);
    EXPECT_EQ(plugin.MovieFile(), dir + "v1.SDAT");
    EXPECT_TRUE(platform::FileExists(dir + "v1.SDAT"));
}

TEST(PluginMovieFile, LibraryWithoutItsMovieGivesAnEmptyPathAndNoFile) {
    std::string dir = ScratchDir();
    LoadedPlugin plugin(WithBackslashes(NOOK_TEST_PLUGIN_DIR "/SS_NoMovie.dll"), dir + "SS_NoMovie.dll",
                        dir + "SS_NoMovie.dll");
    ASSERT_NE(plugin.Module(), nullptr);
    EXPECT_EQ(plugin.MovieFile(), "");
    EXPECT_FALSE(platform::FileExists(dir + "SS_NoMovie.SDAT"));
}

} // namespace
