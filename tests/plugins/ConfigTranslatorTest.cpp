// The plug-ins' configuration translator: which addresses each schema finds, what the
// configuration file looks like afterwards, and the download list it returns.
#include "common/translator/ConfigTranslator.h"

#include "platform/Files.h"
#include "tests/support/TestPaths.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <ostream>

#include <utility>
#include <vector>

namespace {

using nook::test::DataDir;
using nook::test::ReadAll;
using nook::test::ScratchDir;
using Entries = std::vector<std::pair<std::string, std::string>>; // url, src

const char kPrefix[] = "C:\\Cache\\";

// The entries of a download list, attribute values decoded.
Entries ListEntries(const std::string& listText) {
    nook::CXmlDocument list(listText);
    Entries entries;
    EXPECT_TRUE(list.FindElement("files")) << listText;
    while (list.FindChildElement("file"))
        entries.emplace_back(list.GetChildAttribute("url"), list.GetChildAttribute("src"));
    return entries;
}

std::string PluginData(const std::string& name) {
    return DataDir() + "plugins\\" + name;
}

struct TranslatorCase {
    const char* name;
    const nook::ConfigSchema* schema;
    const char* input; // under tests/data/plugins
    const char* prefix;
    Entries entries;
    const char* after; // the file's expected content afterwards; null: left as it was
};

// Test names and failure messages show the case, not its bytes.
void PrintTo(const TranslatorCase& c, std::ostream* out) {
    *out << c.name;
}

// "\xD2\xA1\xC0\xBA\xC7\xFA" and "\xB2\xA3\xC1\xA7" are the code page 936 forms of the
// Chinese file names in the data; the digests are of those bytes.
const TranslatorCase kCases[] = {
    {"AlbumEveryLocationInTableOrder",
     &nook::kAlbumSchema,
     "album.xml",
     kPrefix,
     {{"http://img.nook.example/board/blue.jpg", "C:\\Cache\\ad836931bbe2fc59f4ad6ae8d892e25f"},
      {"http://img.nook.example/fx/snow.swf", "C:\\Cache\\c72524e6533f0003f896bebc04a2cca0"},
      {"http://img.nook.example/music/\xD2\xA1\xC0\xBA\xC7\xFA.mp3",
       "C:\\Cache\\1c81f0f20d036868d77a17fa14e554ad"},
      {"http://img.nook.example/p/1.jpg?w=800&h=600", "C:\\Cache\\1b064f9ba07d9f6b7668e9c77354e923"},
      {"http://img.nook.example/p/1.jpg?w=800&h=600", "C:\\Cache\\1b064f9ba07d9f6b7668e9c77354e923"}},
     "album.local.xml"},
    {"AlbumBlankBoardIsNoResource", &nook::kAlbumSchema, "album-blank.xml", kPrefix, {}, "album-blank.xml"},
    {"AlbumWithoutResourcesIsStillRewritten",
     &nook::kAlbumSchema,
     "album-empty.xml",
     kPrefix,
     {},
     "album-empty.local.xml"},
    {"GlassImagesOnly",
     &nook::kGlassSchema,
     "glass.xml",
     kPrefix,
     {{"http://img.nook.example/g/a.png", "C:\\Cache\\d79ab8addce6e3653f31069b075e2489"},
      {"http://img.nook.example/g/\xB2\xA3\xC1\xA7.png", "C:\\Cache\\bcbe946224f8ac9ceea9bd02d181948c"}},
     "glass.local.xml"},
    {"GlassWithoutImages", &nook::kGlassSchema, "glass-noimg.xml", kPrefix, {}, "glass-noimg.xml"},
    {"TorchPictureOnTheRootOnly",
     &nook::kTorchSchema,
     "torch.xml",
     kPrefix,
     {{"http://img.nook.example/t/lamp.jpg", "C:\\Cache\\d5ad3635308bc03bad37f2d263385f76"}},
     "torch.local.xml"},
    {"PrefixIsUsedVerbatim",
     &nook::kTorchSchema,
     "torch.xml",
     "C:\\Cache",
     {{"http://img.nook.example/t/lamp.jpg", "C:\\Cached5ad3635308bc03bad37f2d263385f76"}},
     "torch.glued.xml"},
    {"OtherRootElementLeavesTheFile", &nook::kGlassSchema, "album.xml", kPrefix, {}, nullptr},
    {"IllFormedFileIsLeftAlone", &nook::kAlbumSchema, "broken.xml", kPrefix, {}, nullptr},
    // Text outside code page 936 would be lost on the way back: the file is kept as it is.
    {"CharactersOutsideTheCodePageKeepTheFile", &nook::kAlbumSchema, "album-emoji.xml", kPrefix, {}, nullptr},
};

class ConfigTranslator : public ::testing::TestWithParam<TranslatorCase> {};

TEST_P(ConfigTranslator, ListsAndRewritesTheSchemasAddresses) {
    const TranslatorCase& c = GetParam();
    std::string original = ReadAll(PluginData(c.input));
    ASSERT_FALSE(original.empty());
    std::string path = ScratchDir() + "config.xml";
    ASSERT_TRUE(platform::WriteFileAtomically(path, original));

    std::string list = nook::TranslateConfiguration(path, c.prefix, *c.schema);

    EXPECT_EQ(ListEntries(list), c.entries);
    EXPECT_EQ(ReadAll(path), c.after ? ReadAll(PluginData(c.after)) : original);
}

INSTANTIATE_TEST_SUITE_P(Schemas, ConfigTranslator, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigTranslatorList, LayoutIsOneElementPerLine) {
    std::string path = ScratchDir() + "config.xml";
    ASSERT_TRUE(platform::WriteFileAtomically(path, ReadAll(PluginData("glass.xml"))));
    EXPECT_EQ(nook::TranslateConfiguration(path, kPrefix, nook::kGlassSchema),
              "<files>\r\n"
              "<file url=\"http://img.nook.example/g/a.png\" "
              "src=\"C:\\Cache\\d79ab8addce6e3653f31069b075e2489\"/>\r\n"
              "<file url=\"http://img.nook.example/g/\xB2\xA3\xC1\xA7.png\" "
              "src=\"C:\\Cache\\bcbe946224f8ac9ceea9bd02d181948c\"/>\r\n"
              "</files>\r\n");
}

TEST(ConfigTranslatorList, MissingFileGivesAnEmptyListAndNoFile) {
    std::string path = ScratchDir() + "absent.xml";
    EXPECT_EQ(nook::TranslateConfiguration(path, kPrefix, nook::kTorchSchema), "<files/>\r\n");
    EXPECT_FALSE(platform::FileExists(path));
}

TEST(ConfigTranslatorList, SecondRunTakesTheLocalPathsAsAddresses) {
    std::string path = ScratchDir() + "config.xml";
    ASSERT_TRUE(platform::WriteFileAtomically(path, ReadAll(PluginData("torch.xml"))));
    nook::TranslateConfiguration(path, kPrefix, nook::kTorchSchema);
    Entries second = ListEntries(nook::TranslateConfiguration(path, kPrefix, nook::kTorchSchema));
    EXPECT_EQ(second, (Entries{{"C:\\Cache\\d5ad3635308bc03bad37f2d263385f76",
                                "C:\\Cache\\eb7ea17988678f3f16f53e6d416932ec"}}));
}

TEST(ConfigTranslatorList, CacheNameIsTheDigestOfTheTrimmedAddress) {
    EXPECT_EQ(nook::CacheName(" \thttp://img.nook.example/t/lamp.jpg\r\n"),
              "d5ad3635308bc03bad37f2d263385f76");
    EXPECT_EQ(nook::CacheName(""), "d41d8cd98f00b204e9800998ecf8427e");
}

} // namespace
