#include "dialogs/flow/ArchivistDlgLayout.h"

#include "res/resource.h"

namespace nook {

namespace {

// At normal size. The status line has room for two lines: a photo pass shows its
// counts under its text.
const ControlPlace kFixedPlaces[] = {
    {IDC_ARCHIVE_TREE, 27, 137, 156, 383},   {IDC_EXPLORER, 208, 118, 564, 404},
    {IDC_STATUS, 200, 300, 580, 26},         {IDC_PROGRESS, 400, 360, 180, 14},
    {IDC_LOGIN, 40, 29, 52, 52},             {IDC_LOGIN_INACTIVE, 40, 29, 52, 52},
    {IDC_BACKUP, 120, 29, 52, 52},           {IDC_BACKUP_INACTIVE, 120, 29, 52, 52},
    {IDC_REFRESH, 200, 29, 52, 52},          {IDC_REFRESH_INACTIVE, 200, 29, 52, 52},
    {IDC_HOME_LINK, 621, 580, 92, 11},       {IDC_FORUM_LINK, 742, 578, 48, 13},
    {IDC_PREV_PAGE, 620, 533, 36, 33},       {IDC_NEXT_PAGE, 680, 533, 36, 33},
    {IDC_BANNER, 590, 32, 200, 50},          {IDC_DECO_SIGNATURE, 10, 576, 91, 17},
    {IDC_DECO_HOME, 603, 576, 16, 16},       {IDC_DECO_FORUM, 725, 576, 14, 17},
    {IDC_WORK_FRAME, 10, 90, 780, 480},      {IDC_PAGE_FRAME, 208, 118, 564, 404},
    {IDC_TREE_FRAME, 27, 137, 156, 383},
};

constexpr int kProgressWidth = 180;
constexpr int kProgressHeight = 14;

} // namespace

std::vector<ControlPlace> ArchivistDlgLayout(int skinWidth, int skinHeight, bool maximised) {
    std::vector<ControlPlace> places(std::begin(kFixedPlaces), std::end(kFixedPlaces));
    if (!maximised) return places;

    const int dx = skinWidth - kMainWindowWidth;
    const int dy = skinHeight - kMainWindowHeight;
    const int treeWidth = skinWidth * 156 / kMainWindowWidth;
    const int pageX = treeWidth + 52;
    const int pageWidth = 720 + dx - treeWidth;
    const int pageHeight = 404 + dy;
    for (ControlPlace& place : places) {
        switch (place.id) {
        case IDC_ARCHIVE_TREE:
        case IDC_TREE_FRAME:
            place.width = treeWidth;
            place.height = 383 + dy;
            break;
        case IDC_EXPLORER:
        case IDC_PAGE_FRAME:
            place.x = pageX;
            place.width = pageWidth;
            place.height = pageHeight;
            break;
        case IDC_WORK_FRAME:
            place.width = 780 + dx;
            place.height = 480 + dy;
            break;
        case IDC_BANNER:
            place.x += dx;
            break;
        case IDC_DECO_SIGNATURE:
            place.y += dy;
            break;
        case IDC_HOME_LINK:
        case IDC_FORUM_LINK:
        case IDC_PREV_PAGE:
        case IDC_NEXT_PAGE:
        case IDC_DECO_HOME:
        case IDC_DECO_FORUM:
            place.x += dx;
            place.y += dy;
            break;
        case IDC_STATUS:
            place.x = pageX + 4;
            place.width = pageWidth - 8;
            place.y = 300 + dy / 2;
            break;
        case IDC_PROGRESS:
            place.x = pageX + pageWidth / 2 - kProgressWidth / 2;
            place.y = 171 + pageHeight / 2;
            place.width = kProgressWidth;
            place.height = kProgressHeight;
            break;
        default: // the action buttons stay
            break;
        }
    }
    return places;
}

} // namespace nook
