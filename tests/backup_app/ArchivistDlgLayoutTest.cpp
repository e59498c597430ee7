// Where the main dialog's controls stand at normal size and when maximised.
#include "dialogs/flow/ArchivistDlgLayout.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <map>

namespace nook {
namespace {

std::map<int, ControlPlace> ById(const std::vector<ControlPlace>& places) {
    std::map<int, ControlPlace> byId;
    for (const ControlPlace& place : places) EXPECT_TRUE(byId.emplace(place.id, place).second) << place.id;
    return byId;
}

void ExpectPlace(const std::map<int, ControlPlace>& places, int id, int x, int y, int width, int height) {
    SCOPED_TRACE(id);
    auto found = places.find(id);
    ASSERT_NE(found, places.end());
    EXPECT_EQ(found->second.x, x);
    EXPECT_EQ(found->second.y, y);
    EXPECT_EQ(found->second.width, width);
    EXPECT_EQ(found->second.height, height);
}

TEST(ArchivistDlgLayout, NormalSizeUsesTheFixedPlacesOfEveryControl) {
    const auto places = ById(ArchivistDlgLayout(800, 600, false));
    EXPECT_EQ(places.size(), 21u);
    ExpectPlace(places, IDC_ARCHIVE_TREE, 27, 137, 156, 383);
    ExpectPlace(places, IDC_EXPLORER, 208, 118, 564, 404);
    ExpectPlace(places, IDC_STATUS, 200, 300, 580, 26);
    ExpectPlace(places, IDC_PROGRESS, 400, 360, 180, 14);
    ExpectPlace(places, IDC_LOGIN, 40, 29, 52, 52);
    ExpectPlace(places, IDC_LOGIN_INACTIVE, 40, 29, 52, 52);
    ExpectPlace(places, IDC_BACKUP_INACTIVE, 120, 29, 52, 52);
    ExpectPlace(places, IDC_REFRESH, 200, 29, 52, 52);
    ExpectPlace(places, IDC_HOME_LINK, 621, 580, 92, 11);
    ExpectPlace(places, IDC_FORUM_LINK, 742, 578, 48, 13);
    ExpectPlace(places, IDC_PREV_PAGE, 620, 533, 36, 33);
    ExpectPlace(places, IDC_NEXT_PAGE, 680, 533, 36, 33);
    ExpectPlace(places, IDC_BANNER, 590, 32, 200, 50);
    ExpectPlace(places, IDC_DECO_SIGNATURE, 10, 576, 91, 17);
    ExpectPlace(places, IDC_DECO_HOME, 603, 576, 16, 16);
    ExpectPlace(places, IDC_DECO_FORUM, 725, 576, 14, 17);
    ExpectPlace(places, IDC_WORK_FRAME, 10, 90, 780, 480);
    ExpectPlace(places, IDC_PAGE_FRAME, 208, 118, 564, 404);
    ExpectPlace(places, IDC_TREE_FRAME, 27, 137, 156, 383);
}

TEST(ArchivistDlgLayout, MaximisedGrowsTreePageAndFramesAndMovesTheFooter) {
    // 224 wider and 140 higher than 800 x 600.
    const auto places = ById(ArchivistDlgLayout(1024, 740, true));
    const int tree = 1024 * 156 / 800; // 199
    ExpectPlace(places, IDC_ARCHIVE_TREE, 27, 137, tree, 383 + 140);
    ExpectPlace(places, IDC_TREE_FRAME, 27, 137, tree, 383 + 140);
    ExpectPlace(places, IDC_EXPLORER, tree + 52, 118, 720 + 224 - tree, 404 + 140);
    ExpectPlace(places, IDC_PAGE_FRAME, tree + 52, 118, 720 + 224 - tree, 404 + 140);
    ExpectPlace(places, IDC_WORK_FRAME, 10, 90, 780 + 224, 480 + 140);
    ExpectPlace(places, IDC_LOGIN, 40, 29, 52, 52);
    ExpectPlace(places, IDC_REFRESH_INACTIVE, 200, 29, 52, 52);
    ExpectPlace(places, IDC_BANNER, 590 + 224, 32, 200, 50);
    ExpectPlace(places, IDC_HOME_LINK, 621 + 224, 580 + 140, 92, 11);
    ExpectPlace(places, IDC_FORUM_LINK, 742 + 224, 578 + 140, 48, 13);
    ExpectPlace(places, IDC_PREV_PAGE, 620 + 224, 533 + 140, 36, 33);
    ExpectPlace(places, IDC_NEXT_PAGE, 680 + 224, 533 + 140, 36, 33);
    ExpectPlace(places, IDC_DECO_SIGNATURE, 10, 576 + 140, 91, 17);
    ExpectPlace(places, IDC_DECO_HOME, 603 + 224, 576 + 140, 16, 16);
    ExpectPlace(places, IDC_DECO_FORUM, 725 + 224, 576 + 140, 14, 17);
    const int pageX = tree + 52, pageWidth = 720 + 224 - tree;
    ExpectPlace(places, IDC_STATUS, pageX + 4, 300 + 70, pageWidth - 8, 26);
    ExpectPlace(places, IDC_PROGRESS, pageX + pageWidth / 2 - 90, 171 + (404 + 140) / 2, 180, 14);
}

TEST(ArchivistDlgLayout, MaximisedAtTheNormalSizeStillCentresStatusAndProgressOnThePage) {
    const auto places = ById(ArchivistDlgLayout(800, 600, true));
    ExpectPlace(places, IDC_EXPLORER, 208, 118, 564, 404);
    ExpectPlace(places, IDC_STATUS, 212, 300, 556, 26);
    ExpectPlace(places, IDC_PROGRESS, 400, 373, 180, 14);
}

} // namespace
} // namespace nook
