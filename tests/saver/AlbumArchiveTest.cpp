#include "album/ArchiveLocation.h"
#include "album/FamilyPhotos.h"
#include "album/ShowOrder.h"
#include "platform/CodePage.h"

#include "tests/saver/AlbumTestFiles.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <set>
#include <vector>

namespace {

using nook::test::CArchiveBuilder;
using nook::test::CSuiteFolder;
using nook::test::kChineseUser;
using nook::test::kChineseUserUtf8;
using nook::test::WriteTestFile;

std::vector<std::string> PathsOf(const std::vector<nook::AlbumPicture>& pictures) {
    std::vector<std::string> paths;
    for (const nook::AlbumPicture& picture : pictures)
        paths.push_back(picture.path);
    return paths;
}

std::vector<std::string> CaptionsOf(const std::vector<nook::AlbumPicture>& pictures) {
    std::vector<std::string> captions;
    for (const nook::AlbumPicture& picture : pictures)
        captions.push_back(picture.caption);
    return captions;
}

// "2008年5月3日" in code page 936.
std::string ChineseDate(int year, int month, int day) {
    return std::to_string(year) + "\xC4\xEA" + std::to_string(month) + "\xD4\xC2" + std::to_string(day) +
           "\xC8\xD5";
}

std::string ServiceTime(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d 09:07:02", year, month, day);
    return text;
}

// --- the photo list ----------------------------------------------------------------------

class FamilyPhotos : public ::testing::Test {
  protected:
    // The archive of the Chinese-named last user beside the suite.
    CArchiveBuilder Archive() const {
        suite_.WriteSettings(kChineseUserUtf8);
        return CArchiveBuilder(nook::CArchivePaths(suite_.Dir(), kChineseUser));
    }

    std::vector<nook::AlbumPicture> Photos(uint32_t seed = 1) const {
        return nook::FamilyPhotos(suite_.Dir(), seed);
    }

    CSuiteFolder suite_;
};

TEST_F(FamilyPhotos, FiftyNewestByDiaryDateFirstThenTheRestShuffledBySeed) {
    CArchiveBuilder archive = Archive();
    // Diary ids and list order say nothing about age: diary i is written in month (i * 37) % 120.
    const int count = 120;
    std::vector<std::string> byAge(count); // newest first
    std::vector<std::string> captionByAge(count);
    for (int id = 0; id < count; ++id) {
        const int month = (id * 37) % count;
        const int year = 2000 + month / 12, monthOfYear = month % 12 + 1, day = 1 + id % 28;
        const std::string title = "Diary " + std::to_string(id);
        archive.AddDiary(id, title, ServiceTime(year, monthOfYear, day));
        byAge[count - 1 - month] = archive.AddPhoto({id});
        captionByAge[count - 1 - month] = title + "  " + ChineseDate(year, monthOfYear, day);
    }
    archive.Save();

    const std::vector<nook::AlbumPicture> photos = Photos(7);
    ASSERT_EQ(photos.size(), size_t(count));
    const std::vector<std::string> paths = PathsOf(photos);
    const std::vector<std::string> newest(byAge.begin(), byAge.begin() + nook::kNewestShownFirst);
    EXPECT_EQ(std::vector<std::string>(paths.begin(), paths.begin() + nook::kNewestShownFirst), newest);
    const std::vector<std::string> captions = CaptionsOf(photos);
    EXPECT_EQ(std::vector<std::string>(captions.begin(), captions.begin() + nook::kNewestShownFirst),
              std::vector<std::string>(captionByAge.begin(), captionByAge.begin() + nook::kNewestShownFirst));

    // Every older photo once, in an order that is the seed's own.
    const std::vector<std::string> rest(paths.begin() + nook::kNewestShownFirst, paths.end());
    const std::vector<std::string> olderByAge(byAge.begin() + nook::kNewestShownFirst, byAge.end());
    EXPECT_EQ(std::multiset<std::string>(rest.begin(), rest.end()),
              std::multiset<std::string>(olderByAge.begin(), olderByAge.end()));
    EXPECT_NE(rest, olderByAge);
    EXPECT_EQ(PathsOf(Photos(7)), paths);
    std::set<std::vector<std::string>> orders;
    for (uint32_t seed : {1u, 2u, 3u, 0xFFFFFFFFu})
        orders.insert(PathsOf(Photos(seed)));
    EXPECT_EQ(orders.size(), 4u);
}

TEST(ShowOrder, ShuffleKeepsTheNewestAndEveryPictureOnce) {
    for (size_t size : {size_t(0), size_t(1), nook::kNewestShownFirst, nook::kNewestShownFirst + 1,
                        nook::kNewestShownFirst + 2, size_t(500)}) {
        std::vector<nook::AlbumPicture> pictures;
        for (size_t i = 0; i < size; ++i)
            pictures.push_back({std::to_string(i), {}});
        std::vector<nook::AlbumPicture> shuffled = pictures;
        nook::ShuffleAfterNewest(shuffled, 42);
        std::vector<std::string> before = PathsOf(pictures), after = PathsOf(shuffled);
        const size_t kept = std::min(size, nook::kNewestShownFirst);
        EXPECT_TRUE(std::equal(before.begin(), before.begin() + kept, after.begin())) << size;
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before) << size;
    }
}

TEST_F(FamilyPhotos, CaptionAndAgeComeFromTheEarliestKnownDiary) {
    CArchiveBuilder archive = Archive();
    archive.AddDiary(1, "\xB5\xDA\xD2\xBB\xB4\xCE", ServiceTime(2008, 5, 3)); // 第一次
    archive.AddDiary(2, "Again", ServiceTime(2009, 6, 1));
    archive.AddDiary(3, "Summer", ServiceTime(2008, 7, 1));
    archive.AddDiary(4, "Undated", "yesterday");
    archive.AddDiary(5, "", ServiceTime(2008, 1, 2));
    const std::string shownTwice = archive.AddPhoto({2, 1});
    const std::string summer = archive.AddPhoto({3});
    const std::string unknownDiary = archive.AddPhoto({99});
    const std::string undated = archive.AddPhoto({4});
    const std::string summerSecond = archive.AddPhoto({3});
    const std::string untitled = archive.AddPhoto({99, 5});
    const std::string summerThird = archive.AddPhoto({3});
    const std::string noDiary = archive.AddPhoto({});
    archive.Save();

    const std::vector<nook::AlbumPicture> photos = Photos();
    EXPECT_EQ(PathsOf(photos), (std::vector<std::string>{summer, summerSecond, summerThird, shownTwice,
                                                         untitled, undated, unknownDiary, noDiary}));
    const std::string summerCaption = "Summer  " + ChineseDate(2008, 7, 1);
    EXPECT_EQ(CaptionsOf(photos),
              (std::vector<std::string>{summerCaption, summerCaption, summerCaption,
                                        "\xB5\xDA\xD2\xBB\xB4\xCE  " + ChineseDate(2008, 5, 3),
                                        ChineseDate(2008, 1, 2), "Undated", "", ""}));
}

TEST_F(FamilyPhotos, OnlyStoredPhotosWhoseFilesAreInTheUserFolder) {
    CArchiveBuilder archive = Archive();
    archive.AddDiary(1, "d", ServiceTime(2008, 5, 3));
    const std::string stored = archive.AddPhoto({1});
    archive.AddPhoto({1}, nook::PhotoState::Pending);
    archive.AddPhoto({1}, nook::PhotoState::Gone);
    archive.AddPhoto({1}, nook::PhotoState::Stored, false);
    // Files elsewhere, named by a list someone else wrote.
    WriteTestFile(suite_.Dir() + "outside.jpg", "outside");
    archive.AddPhotoNamed("..\\outside.jpg");
    archive.AddPhotoNamed("Images\\..\\..\\outside.jpg");
    archive.AddPhotoNamed(suite_.Dir() + "outside.jpg");
    archive.Save();

    EXPECT_EQ(PathsOf(Photos()), std::vector<std::string>{stored});
}

// --- an archive without a photo list -----------------------------------------------------

TEST_F(FamilyPhotos, WithoutPhotoListEveryPictureOfTheImagesFolderNewestFileFirst) {
    const CArchiveBuilder archive = Archive();
    const std::string images = archive.Paths().ImagesFolder();
    const struct {
        const char* name;
        int hoursOld;
    } files[] = {
        {"old.JPG", 72},  {"mid.png", 48}, {"\xB1\xA6\xB1\xA6.jpeg", 1},
        {"b.gif", 24},    {"c.BMP", 30},   {"notes.txt", 0},
        {"Thumbs.db", 0}, {"jpg", 0},      {"photo.jpg.tmp", 0},
    };
    for (const auto& file : files) {
        WriteTestFile(images + file.name, file.name);
        nook::test::SetFileAge(images + file.name, std::chrono::hours(file.hoursOld));
    }
    WriteTestFile(images + "folder.jpg\\inner.jpg", "inner");

    const std::vector<nook::AlbumPicture> photos = Photos();
    EXPECT_EQ(PathsOf(photos),
              (std::vector<std::string>{images + "\xB1\xA6\xB1\xA6.jpeg", images + "b.gif", images + "c.BMP",
                                        images + "mid.png", images + "old.JPG"}));
    EXPECT_EQ(CaptionsOf(photos), std::vector<std::string>(5));
}

TEST_F(FamilyPhotos, PhotoListWithNothingStoredFallsBackToTheImagesFolder) {
    CArchiveBuilder archive = Archive();
    archive.AddDiary(1, "d", ServiceTime(2008, 5, 3));
    const std::string pendingButThere = archive.AddPhoto({1}, nook::PhotoState::Pending);
    archive.Save();

    EXPECT_EQ(PathsOf(Photos()), std::vector<std::string>{pendingButThere});
}

TEST_F(FamilyPhotos, UnreadablePhotoListFallsBackToTheImagesFolder) {
    const CArchiveBuilder archive = Archive();
    WriteTestFile(archive.Paths().PhotoListPath(), "PhotoList: not XML");
    WriteTestFile(archive.Paths().ImagesFolder() + "a.jpg", "a");

    EXPECT_EQ(PathsOf(Photos()), std::vector<std::string>{archive.Paths().ImagesFolder() + "a.jpg"});
}

// --- which archive -----------------------------------------------------------------------

TEST_F(FamilyPhotos, ChineseUserNameIsItsFolderNameInCodePage936) {
    CArchiveBuilder archive = Archive();
    const std::string photo = archive.AddPhoto({});
    archive.Save();

    EXPECT_EQ(photo.substr(0, suite_.Dir().size() + 5), suite_.Dir() + kChineseUser + "\\");
    EXPECT_EQ(PathsOf(Photos()), std::vector<std::string>{photo});
}

TEST_F(FamilyPhotos, ArchivePathHoldsTheUserFolders) {
    // A user folder beside the program is not the archive once config.xml names another.
    CArchiveBuilder besideTheProgram(nook::CArchivePaths(suite_.Dir(), kChineseUser));
    besideTheProgram.AddPhoto({});
    besideTheProgram.Save();

    const std::string elsewhere = nook::test::ScratchDir() + "\xBC\xD2\xCD\xA5\\"; // 家庭
    std::string elsewhereUtf8 = platform::AnsiToUtf8(elsewhere);
    elsewhereUtf8.pop_back(); // the trailing backslash is optional
    suite_.WriteSettings(kChineseUserUtf8, elsewhereUtf8.c_str());
    CArchiveBuilder archive(nook::CArchivePaths(elsewhere, kChineseUser));
    const std::string photo = archive.AddPhoto({});
    archive.Save();

    EXPECT_EQ(PathsOf(Photos()), std::vector<std::string>{photo});
}

struct NoArchiveCase {
    const char* name;
    const char* config;   // config.xml, UTF-8; null: none
    const char* userFile; // the user whose file "<name>.xml" there is; null: none
    const char* folder;   // a user folder with a photo in it
};

void PrintTo(const NoArchiveCase& c, std::ostream* out) {
    *out << c.name;
}

const char kPlainUserConfig[] = "<Config><LastUser Name=\"xiaoyu\"/></Config>";

const NoArchiveCase kNoArchiveCases[] = {
    {"NoConfigFile", nullptr, "xiaoyu", "xiaoyu"},
    {"ConfigNotXml", "LastUser=xiaoyu", "xiaoyu", "xiaoyu"},
    {"NoLastUser", "<Config><Domain Url=\"x\"/></Config>", "xiaoyu", "xiaoyu"},
    {"NoUserFile", kPlainUserConfig, nullptr, "xiaoyu"},
    {"NoUserFolder", kPlainUserConfig, "xiaoyu", "other"},
    {"NameNoFolderCanHave", "<Config><LastUser Name=\"up.\"/></Config>", "up.", "up."},
};

class NoFamilyPhotos : public ::testing::TestWithParam<NoArchiveCase> {};

TEST_P(NoFamilyPhotos, WhenThereIsNoArchiveOfTheLastUser) {
    CSuiteFolder suite;
    if (GetParam().config) WriteTestFile(suite.Dir() + "config.xml", GetParam().config);
    if (const char* user = GetParam().userFile)
        WriteTestFile(suite.Dir() + user + ".xml",
                      std::string("<UserConfig><User Username=\"") + user + "\"/></UserConfig>");
    CArchiveBuilder archive(nook::CArchivePaths(suite.Dir(), GetParam().folder));
    archive.AddPhoto({});
    archive.Save();

    EXPECT_TRUE(nook::FamilyPhotos(suite.Dir(), 1).empty());
}

INSTANTIATE_TEST_SUITE_P(Suites, NoFamilyPhotos, ::testing::ValuesIn(kNoArchiveCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
