#include "album/AlbumContent.h"
#include "album/GeneratedPictures.h"
#include "platform/FolderFiles.h"

#include "tests/saver/AlbumTestFiles.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

namespace {

using nook::test::CArchiveBuilder;
using nook::test::CSuiteFolder;
using nook::test::WriteTestFile;

enum class Source { AlbumFile, FamilyPhotos, GeneratedSet };

struct ChoiceCase {
    const char* name;
    const char* data; // "{saver}" stands for the saver's folder
    bool archive;     // whether the last user has an archive with a photo
    Source expected;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.name;
}

const ChoiceCase kChoiceCases[] = {
    {"AlbumFileFirst", "albums\\family.xml", true, Source::AlbumFile},
    {"AlbumFileByAbsolutePath", " {saver}albums\\family.xml ", true, Source::AlbumFile},
    {"AlbumFileWithoutArchive", "albums\\family.xml", false, Source::AlbumFile},
    {"AlbumWithoutPicturesGivesFamilyPhotos", "albums\\gone.xml", true, Source::FamilyPhotos},
    {"BrokenAlbumGivesFamilyPhotos", "albums\\broken.xml", true, Source::FamilyPhotos},
    {"MissingAlbumGivesFamilyPhotos", "albums\\none.xml", true, Source::FamilyPhotos},
    {"RemoteAlbumGivesFamilyPhotos", "http://albums.example/family.xml", true, Source::FamilyPhotos},
    {"DataThatIsNoPathGivesFamilyPhotos", "1", true, Source::FamilyPhotos},
    {"NoDataGivesFamilyPhotos", "", true, Source::FamilyPhotos},
    {"NothingElseGivesTheGeneratedSet", "", false, Source::GeneratedSet},
    {"BrokenAlbumAndNoArchiveGiveTheGeneratedSet", "albums\\broken.xml", false, Source::GeneratedSet},
};

std::vector<std::string> GeneratedSetIn(const std::string& saverDir) {
    std::vector<std::string> paths;
    for (const char* name : nook::kGeneratedPictureNames)
        paths.push_back(saverDir + "Pictures\\" + name);
    return paths;
}

class AlbumChoice : public ::testing::TestWithParam<ChoiceCase> {
  protected:
    void SetUp() override {
        const std::string albums = saver_ + "albums\\";
        for (const char* name : {"a.jpg", "board.png", "music.mp3"})
            WriteTestFile(albums + name, name);
        WriteTestFile(albums + "family.xml",
                      "<album board=\"board.png\" music=\"music.mp3\"><photo imgurl=\"a.jpg\"/></album>");
        WriteTestFile(albums + "gone.xml", "<album board=\"board.png\"><photo imgurl=\"gone.jpg\"/></album>");
        WriteTestFile(albums + "broken.xml", "<album><photo imgurl=\"a.jpg\"></album");
    }

    std::string Data() const {
        std::string data = GetParam().data;
        const size_t at = data.find("{saver}");
        if (at != std::string::npos) data.replace(at, 7, saver_);
        return data;
    }

    CSuiteFolder suite_;
    const std::string saver_ = suite_.SaverDir();
};

TEST_P(AlbumChoice, TheFirstSourceWithAPicture) {
    std::string photo;
    if (GetParam().archive) {
        suite_.WriteSettings("xiaoyu");
        CArchiveBuilder archive(nook::CArchivePaths(suite_.Dir(), "xiaoyu"));
        photo = archive.AddPhoto({});
        archive.Save();
    }

    const nook::AlbumContent content = nook::ChooseAlbumContent({saver_, Data(), 5});
    std::vector<std::string> paths;
    for (const nook::AlbumPicture& picture : content.pictures)
        paths.push_back(picture.path);
    switch (GetParam().expected) {
    case Source::AlbumFile:
        EXPECT_EQ(paths, std::vector<std::string>{saver_ + "albums\\a.jpg"});
        EXPECT_EQ(content.board, saver_ + "albums\\board.png");
        EXPECT_EQ(content.music, saver_ + "albums\\music.mp3");
        return;
    case Source::FamilyPhotos:
        EXPECT_EQ(paths, std::vector<std::string>{photo});
        break;
    case Source::GeneratedSet:
        EXPECT_EQ(paths, GeneratedSetIn(saver_));
        break;
    }
    // Board and music belong to the album they came with.
    EXPECT_EQ(content.board, "");
    EXPECT_EQ(content.music, "");
}

INSTANTIATE_TEST_SUITE_P(Sources, AlbumChoice, ::testing::ValuesIn(kChoiceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AlbumChoiceWithoutSuite, GivesTheGeneratedSetBesideTheSaver) {
    EXPECT_EQ(nook::ChooseAlbumContent({"NookSS\\", "", 0}).pictures.size(),
              std::size(nook::kGeneratedPictureNames));
    const nook::AlbumContent content = nook::ChooseAlbumContent({"", "", 0});
    ASSERT_FALSE(content.pictures.empty());
    EXPECT_EQ(content.pictures.front().path, std::string("Pictures\\") + nook::kGeneratedPictureNames[0]);
}

// The set the installer puts in Pictures\ is the one the saver lists, each picture a
// small JPEG file.
TEST(GeneratedPictures, AreCommittedAsSmallJpegFiles) {
    const std::string folder = nook::test::DataDir() + "..\\..\\saver\\content\\pictures\\";
    std::vector<platform::FolderFile> files;
    ASSERT_TRUE(platform::ListFolderFiles(folder, files));
    std::vector<std::string> names;
    for (const platform::FolderFile& file : files)
        names.push_back(file.name);
    std::vector<std::string> listed(std::begin(nook::kGeneratedPictureNames),
                                    std::end(nook::kGeneratedPictureNames));
    std::sort(names.begin(), names.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(names, listed);
    for (const std::string& name : listed) {
        const std::string bytes = nook::test::ReadAll(folder + name);
        EXPECT_EQ(bytes.substr(0, 3), "\xFF\xD8\xFF") << name;
        EXPECT_LT(bytes.size(), 100u * 1024) << name;
    }
}

} // namespace
