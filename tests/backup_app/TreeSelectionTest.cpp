// What selecting an item of the archive tree shows, and the archive's count texts.
#include "dialogs/flow/TreeSelection.h"
#include "platform/Files.h"
#include "tests/backup_app/support/TestText.h"
#include "tests/support/TestPaths.h"
#include "util/DirectoryPath.h"

#include <gtest/gtest.h>

#include <ostream>

namespace nook {
namespace {

using test::Gbk;

const TreeItemInfo kDiaryRoot{Gbk(u8"我的日记"), 0};
const TreeItemInfo kMiniRoot{Gbk(u8"我的迷你日记"), 0};
const TreeItemInfo kYear2007{Gbk(u8"2007年"), 2007};
const TreeItemInfo kYear2008{Gbk(u8"2008年"), 2008};
const TreeItemInfo kMay{Gbk(u8"5月"), 5};
const TreeItemInfo kMarch{Gbk(u8"3月"), 3};
const TreeItemInfo kDiary{Gbk(u8"宝宝会走路了"), 1201};

TEST(TreeSelection, DiaryLeafShowsItsPageWithoutLookingForTheFile) {
    SelectionView view = ViewForSelection(&kDiary, &kMay, &kYear2007, "C:\\Nook\\", "alice");
    EXPECT_EQ(view.shows, SelectionShows::Page);
    EXPECT_EQ(view.path, "C:\\Nook\\alice\\2007\\5\\1201.html");
}

TEST(TreeSelection, MiniDiaryMonthShowsItsPageOnlyWhenThePageExists) {
    const std::string programDir = test::ScratchDir();
    ASSERT_TRUE(MakeDirectoryPath(programDir + "alice\\2008\\3"));
    ASSERT_TRUE(platform::WriteFileAtomically(programDir + "alice\\2008\\3\\TwitterList.html", "<html></html>"));

    SelectionView march = ViewForSelection(&kMarch, &kYear2008, &kMiniRoot, programDir, "alice");
    EXPECT_EQ(march.shows, SelectionShows::Page);
    EXPECT_EQ(march.path, programDir + "alice\\2008\\3\\TwitterList.html");

    SelectionView may = ViewForSelection(&kMay, &kYear2008, &kMiniRoot, programDir, "alice");
    EXPECT_EQ(may.shows, SelectionShows::Nothing);
}

TEST(TreeSelection, DiaryRootShowsTheIndexPageOnceABackupHasWrittenIt) {
    const std::string programDir = test::ScratchDir();
    EXPECT_EQ(ViewForSelection(&kDiaryRoot, nullptr, nullptr, programDir, "alice").shows, SelectionShows::DiaryCount);

    ASSERT_TRUE(MakeDirectoryPath(programDir + "alice"));
    ASSERT_TRUE(platform::WriteFileAtomically(programDir + "alice\\index.html", "<html></html>"));
    SelectionView root = ViewForSelection(&kDiaryRoot, nullptr, nullptr, programDir, "alice");
    EXPECT_EQ(root.shows, SelectionShows::Page);
    EXPECT_EQ(root.path, programDir + "alice\\index.html");
    // Everything else keeps its count, and another user's index is not this user's.
    EXPECT_EQ(ViewForSelection(&kMiniRoot, nullptr, nullptr, programDir, "alice").shows,
              SelectionShows::MiniDiaryCount);
    EXPECT_EQ(ViewForSelection(&kYear2007, &kDiaryRoot, nullptr, programDir, "alice").shows,
              SelectionShows::DiaryCount);
    EXPECT_EQ(ViewForSelection(&kDiaryRoot, nullptr, nullptr, programDir, "bob").shows, SelectionShows::DiaryCount);
    EXPECT_EQ(ViewForSelection(&kDiaryRoot, nullptr, nullptr, programDir, "").shows, SelectionShows::DiaryCount);
}

struct CountCase {
    const char* name;
    const TreeItemInfo* selected;
    const TreeItemInfo* parent;
    const TreeItemInfo* grandparent;
    SelectionShows shows;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

const CountCase kCountCases[] = {
    {"DiaryRoot", &kDiaryRoot, nullptr, nullptr, SelectionShows::DiaryCount},
    {"MiniDiaryRoot", &kMiniRoot, nullptr, nullptr, SelectionShows::MiniDiaryCount},
    {"DiaryYear", &kYear2007, &kDiaryRoot, nullptr, SelectionShows::DiaryCount},
    {"MiniDiaryYear", &kYear2008, &kMiniRoot, nullptr, SelectionShows::MiniDiaryCount},
    {"MonthOfADiaryYear", &kMay, &kYear2007, &kDiaryRoot, SelectionShows::DiaryCount},
    {"NothingSelected", nullptr, nullptr, nullptr, SelectionShows::DiaryCount},
};

class TreeSelectionCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(TreeSelectionCounts, ShowTheMatchingCount) {
    const CountCase& c = GetParam();
    SelectionView view = ViewForSelection(c.selected, c.parent, c.grandparent, "C:\\Nook\\", "alice");
    EXPECT_EQ(view.shows, c.shows);
    EXPECT_TRUE(view.path.empty());
}

INSTANTIATE_TEST_SUITE_P(Items, TreeSelectionCounts, ::testing::ValuesIn(kCountCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TreeSelection, CountTextsSayHowMuchIsArchivedOrThatNothingIs) {
    EXPECT_EQ(DiaryCountText(3), Gbk(u8"本地共有3篇日记，请从左侧日记列表栏选择日记开始浏览"));
    EXPECT_EQ(DiaryCountText(0), Gbk(u8"您还没有备份过日记到本地"));
    EXPECT_EQ(MiniDiaryCountText(14), Gbk(u8"本地共有14条迷你日记，请从左侧迷你日记列表栏按月浏览"));
    EXPECT_EQ(MiniDiaryCountText(0), Gbk(u8"您还没有备份过迷你日记"));
}

} // namespace
} // namespace nook
