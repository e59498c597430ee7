#include "album/AlbumFile.h"
#include "album/LocalPath.h"
#include "album/Utf8Document.h"
#include "platform/CodePage.h"

#include "tests/saver/AlbumTestFiles.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

using nook::test::WriteTestFile;

// --- addresses -------------------------------------------------------------------------

struct AddressCase {
    const char* name;
    const char* address;
    const char* expected; // empty: not a local file the saver opens
};

void PrintTo(const AddressCase& c, std::ostream* out) {
    *out << c.name;
}

const char kAlbumFolder[] = "C:\\Albums\\";

const AddressCase kAddressCases[] = {
    {"RelativeToTheFolder", "pics\\a.jpg", "C:\\Albums\\pics\\a.jpg"},
    {"SlashesTurnedRound", "pics/a.jpg", "C:\\Albums\\pics\\a.jpg"},
    {"UpFromTheFolder", "..\\a.jpg", "C:\\Albums\\..\\a.jpg"},
    {"DriveAbsolute", "D:\\Photos\\a.jpg", "D:\\Photos\\a.jpg"},
    {"DriveAbsoluteWithSlashes", "d:/Photos/a.jpg", "d:\\Photos\\a.jpg"},
    {"FromTheRootOfTheDrive", "\\Photos\\a.jpg", "\\Photos\\a.jpg"},
    {"BlanksTrimmed", " \t a.jpg\r\n ", "C:\\Albums\\a.jpg"},
    // 表 then a character whose trail byte is "\": neither is a separator.
    {"ChineseName", "\xB1\xED\x95\x5C.jpg", "C:\\Albums\\\xB1\xED\x95\x5C.jpg"},
    {"Http", "http://photos.example/a.jpg", ""},
    {"HttpsInCapitals", "HTTPS://photos.example/a.jpg", ""},
    {"Ftp", "ftp://photos.example/a.jpg", ""},
    {"FileAddress", "file:///C:/Photos/a.jpg", ""},
    {"OtherScheme", "mk:@MSITStore:C:\\help.chm::/a.jpg", ""},
    {"NetworkPath", "\\\\server\\share\\a.jpg", ""},
    {"NetworkPathWithSlashes", "//server/share/a.jpg", ""},
    {"DeviceNamespace", "\\\\?\\C:\\Photos\\a.jpg", ""},
    {"ObjectManagerShare", "\\??\\UNC\\server\\share\\a.jpg", ""},
    {"ObjectManagerShareWithSlashes", "/?" "?/UNC/server/share/a.jpg", ""},
    {"DriveWithoutSeparator", "C:a.jpg", ""},
    {"Blank", "  \r\n", ""},
};

class AlbumAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AlbumAddress, NamesALocalFileOrNothing) {
    EXPECT_EQ(nook::LocalFilePath(GetParam().address, kAlbumFolder), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Addresses, AlbumAddress, ::testing::ValuesIn(kAddressCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AlbumPaths, ParentFolderIsFoundByItsLastSeparator) {
    EXPECT_EQ(nook::ParentFolder("C:\\Suite\\NookSS\\"), "C:\\Suite\\");
    EXPECT_EQ(nook::ParentFolder("C:\\Suite\\NookSS"), "C:\\Suite\\");
    EXPECT_EQ(nook::ParentFolder("C:\\Albums\\album.xml"), "C:\\Albums\\");
    EXPECT_EQ(nook::ParentFolder("C:/Albums/album.xml"), "C:\\Albums\\");
    // The trail byte "\" of the last character is not a separator.
    EXPECT_EQ(nook::ParentFolder("C:\\Albums\\\x95\x5C"), "C:\\Albums\\");
    EXPECT_EQ(nook::ParentFolder("album.xml"), "");
    EXPECT_EQ(nook::ParentFolder("NookSS\\"), "");
}

// --- album files -----------------------------------------------------------------------

// The album folder holds these files; "{dir}" in an album's text stands for that
// folder's full path (code page 936; the test writes the album as UTF-8).
const char* const kAlbumFolderFiles[] = {
    "a.jpg",      "b.png",     "sub\\c.jpg",    "board.png",
    "effect.swf", "music.mp3", "cache\\0f3a9c", "\xB1\xA6\xB1\xA6.jpg",
};

struct AlbumCase {
    const char* name;
    const char* text;                  // the album file, UTF-8
    std::vector<const char*> pictures; // relative to the album folder
    const char* board;
    const char* music;
};

void PrintTo(const AlbumCase& c, std::ostream* out) {
    *out << c.name;
}

const AlbumCase kAlbumCases[] = {
    {"AlbumWithBoardMusicAndPhotos",
     "<album board=\"board.png\" effect=\"effect.swf\" music=\"music.mp3\" title=\"x\">\r\n"
     "<photo imgurl=\"a.jpg\"/>\r\n<photo imgurl=\"sub\\c.jpg\" text=\"y\"/>\r\n<photo imgurl=\"b.png\"/>\r\n"
     "</album>\r\n",
     {"a.jpg", "sub\\c.jpg", "b.png"},
     "board.png",
     "music.mp3"},
    {"AbsoluteAddresses",
     "<album board=\"{dir}board.png\"><photo imgurl=\"{dir}b.png\"/></album>",
     {"b.png"},
     "board.png",
     ""},
    {"RelativeToTheAlbumNotTheSaver",
     "<album><photo imgurl=\"sub/../a.jpg\"/></album>",
     {"sub\\..\\a.jpg"},
     "",
     ""},
    {"RemoteAndNetworkAddressesSkipped",
     "<album board=\"http://x.example/board.png\" music=\"ftp://x.example/music.mp3\">"
     "<photo imgurl=\"http://x.example/a.jpg\"/><photo imgurl=\"file:///{dir}a.jpg\"/>"
     "<photo imgurl=\"\\\\server\\share\\a.jpg\"/><photo imgurl=\"b.png\"/></album>",
     {"b.png"},
     "",
     ""},
    {"MissingFilesSkipped",
     "<album board=\"gone.png\" music=\"gone.mp3\"><photo imgurl=\"gone.jpg\"/><photo imgurl=\"a.jpg\"/>"
     "<photo imgurl=\"  \"/><photo/></album>",
     {"a.jpg"},
     "",
     ""},
    {"GlassImages",
     "<params speed=\"3\"><img src=\"b.png\"/><img src=\" a.jpg \"/><other src=\"sub\\c.jpg\"/></params>",
     {"b.png", "a.jpg"},
     "",
     ""},
    {"TorchPictureWithoutExtension", "<params pic=\"cache\\0f3a9c\"/>", {"cache\\0f3a9c"}, "", ""},
    {"TorchPicOnAChildIgnored", "<params><light pic=\"a.jpg\"/></params>", {}, "", ""},
    {"ByteOrderMarkAndChineseName",
     "\xEF\xBB\xBF<album><photo imgurl=\"\xE5\xAE\x9D\xE5\xAE\x9D.jpg\"/></album>",
     {"\xB1\xA6\xB1\xA6.jpg"},
     "",
     ""},
    {"OtherRootElement", "<photos><photo imgurl=\"a.jpg\"/></photos>", {}, "", ""},
    {"NotWellFormed", "<album><photo imgurl=\"a.jpg\"></album>", {}, "", ""},
    {"NotXml", "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00 <album><photo imgurl=\"a.jpg\"/></album>", {}, "", ""},
    {"EntitiesOfItsOwnAreNotExpanded",
     "<!DOCTYPE album [<!ENTITY a \"a.jpg\">]><album><photo imgurl=\"&a;\"/></album>",
     {},
     "",
     ""},
    {"Empty", "", {}, "", ""},
};

class AlbumFile : public ::testing::TestWithParam<AlbumCase> {
  protected:
    void SetUp() override {
        for (const char* name : kAlbumFolderFiles)
            WriteTestFile(folder_ + name, name);
    }

    std::string WriteAlbum(const std::string& utf8Text) {
        std::string text = utf8Text;
        const std::string dir = platform::AnsiToUtf8(folder_);
        for (size_t at; (at = text.find("{dir}")) != std::string::npos;)
            text.replace(at, 5, dir);
        const std::string path = folder_ + "album.xml";
        WriteTestFile(path, text);
        return path;
    }

    std::string InFolder(const char* name) const { return *name ? folder_ + name : std::string(); }

    const std::string folder_ = nook::test::ScratchDir() + "Albums\\";
};

TEST_P(AlbumFile, GivesTheLocalFilesItNames) {
    const nook::AlbumContent content = nook::ReadAlbumFile(WriteAlbum(GetParam().text));
    std::vector<std::string> expected;
    for (const char* name : GetParam().pictures)
        expected.push_back(InFolder(name));
    std::vector<std::string> pictures;
    for (const nook::AlbumPicture& picture : content.pictures) {
        pictures.push_back(picture.path);
        EXPECT_EQ(picture.caption, "");
    }
    EXPECT_EQ(pictures, expected);
    EXPECT_EQ(content.board, InFolder(GetParam().board));
    EXPECT_EQ(content.music, InFolder(GetParam().music));
}

INSTANTIATE_TEST_SUITE_P(Files, AlbumFile, ::testing::ValuesIn(kAlbumCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AlbumFile, MissingFileGivesNothing) {
    EXPECT_TRUE(nook::ReadAlbumFile(folder_ + "none.xml").pictures.empty());
    EXPECT_TRUE(nook::ReadAlbumFile(folder_).pictures.empty());
}

TEST_F(AlbumFile, HugeFileGivesNothingEvenWhenWellFormed) {
    const std::string album = "<album><photo imgurl=\"a.jpg\"/></album>";
    std::string text = album + std::string(nook::kLargestSettingsFile - album.size(), ' ');
    EXPECT_EQ(nook::ReadAlbumFile(WriteAlbum(text)).pictures.size(), 1u);
    text += ' ';
    EXPECT_TRUE(nook::ReadAlbumFile(WriteAlbum(text)).pictures.empty());
}

TEST_F(AlbumFile, DeeplyNestedFileGivesOnlyTheRootsChildren) {
    std::string text = "<album><photo imgurl=\"a.jpg\"/>";
    for (int i = 0; i < 100000; ++i)
        text += "<photo imgurl=\"b.png\">";
    for (int i = 0; i < 100000; ++i)
        text += "</photo>";
    text += "</album>";
    const nook::AlbumContent content = nook::ReadAlbumFile(WriteAlbum(text));
    ASSERT_EQ(content.pictures.size(), 2u);
    EXPECT_EQ(content.pictures[0].path, folder_ + "a.jpg");
    EXPECT_EQ(content.pictures[1].path, folder_ + "b.png");
}

} // namespace
