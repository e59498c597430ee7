// The program's resources are all there, with the sizes the code relies on.
#include "res/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct BitmapCase {
    int id;
    int width, height;
};

const BitmapCase kBitmaps[] = {
    // Main frame pieces and caption buttons
    {IDB_FRAME_TOP_LEFT, 5, 29},
    {IDB_FRAME_TOP, 4, 29},
    {IDB_FRAME_TOP_RIGHT, 5, 29},
    {IDB_FRAME_LEFT, 5, 4},
    {IDB_FRAME_RIGHT, 5, 4},
    {IDB_FRAME_BOTTOM_LEFT, 5, 5},
    {IDB_FRAME_BOTTOM, 4, 5},
    {IDB_FRAME_BOTTOM_RIGHT, 5, 5},
    {IDB_CAPTION_CLOSE, 26, 17},
    {IDB_CAPTION_CLOSE_HOVER, 26, 17},
    {IDB_CAPTION_MAXIMISE, 26, 17},
    {IDB_CAPTION_MAXIMISE_HOVER, 26, 17},
    {IDB_CAPTION_RESTORE, 26, 17},
    {IDB_CAPTION_RESTORE_HOVER, 26, 17},
    {IDB_CAPTION_MINIMISE, 26, 17},
    {IDB_CAPTION_MINIMISE_HOVER, 26, 17},
    // Panel frames
    {IDB_PANEL_TOP_LEFT, 8, 8},
    {IDB_PANEL_TOP, 8, 8},
    {IDB_PANEL_TOP_RIGHT, 8, 8},
    {IDB_PANEL_LEFT, 8, 8},
    {IDB_PANEL_RIGHT, 8, 8},
    {IDB_PANEL_BOTTOM_LEFT, 8, 8},
    {IDB_PANEL_BOTTOM, 8, 8},
    {IDB_PANEL_BOTTOM_RIGHT, 8, 8},
    {IDB_TREE_FRAME_TOP_LEFT, 7, 27},
    {IDB_TREE_FRAME_TOP, 4, 27},
    {IDB_TREE_FRAME_TOP_RIGHT, 13, 27},
    {IDB_TREE_FRAME_LEFT, 7, 4},
    {IDB_TREE_FRAME_RIGHT, 13, 4},
    {IDB_TREE_FRAME_BOTTOM_LEFT, 7, 16},
    {IDB_TREE_FRAME_BOTTOM, 4, 16},
    {IDB_TREE_FRAME_BOTTOM_RIGHT, 13, 16},
    // Backgrounds
    {IDB_LOGIN_BACKGROUND, 320, 297},
    {IDB_NOTICE_BACKGROUND, 320, 200},
    {IDB_MAIN_BACKGROUND, 800, 600},
    // Buttons, sized as the controls that show them
    {IDB_OK, 62, 27},
    {IDB_OK_HOVER, 62, 27},
    {IDB_CANCEL, 62, 27},
    {IDB_CANCEL_HOVER, 62, 27},
    {IDB_LOGIN_SUBMIT, 62, 30},
    {IDB_LOGIN_SUBMIT_HOVER, 62, 30},
    {IDB_LOGIN, 52, 52},
    {IDB_LOGIN_HOVER, 52, 52},
    {IDB_LOGIN_INACTIVE, 52, 52},
    {IDB_BACKUP, 52, 52},
    {IDB_BACKUP_HOVER, 52, 52},
    {IDB_BACKUP_INACTIVE, 52, 52},
    {IDB_REFRESH, 52, 52},
    {IDB_REFRESH_HOVER, 52, 52},
    {IDB_REFRESH_INACTIVE, 52, 52},
    {IDB_HOME_LINK, 92, 11},
    {IDB_HOME_LINK_HOVER, 92, 11},
    {IDB_FORUM_LINK, 48, 13},
    {IDB_FORUM_LINK_HOVER, 48, 13},
    {IDB_BANNER, 200, 50},
    {IDB_PREV_PAGE, 36, 33},
    {IDB_PREV_PAGE_HOVER, 36, 33},
    {IDB_NEXT_PAGE, 36, 33},
    {IDB_NEXT_PAGE_HOVER, 36, 33},
    {IDB_DECO_SIGNATURE, 91, 17},
    {IDB_DECO_HOME, 16, 16},
    {IDB_DECO_FORUM, 14, 17},
};

TEST(Resources, BitmapsAre24BitOfTheirSizes) {
    for (const BitmapCase& c : kBitmaps) {
        SCOPED_TRACE(c.id);
        auto bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(c.id),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr);
        DIBSECTION info{};
        GetObjectW(bitmap, sizeof(info), &info);
        EXPECT_EQ(info.dsBm.bmWidth, c.width);
        EXPECT_EQ(info.dsBm.bmHeight, c.height);
        EXPECT_EQ(info.dsBmih.biBitCount, 24);
        DeleteObject(bitmap);
    }
}

TEST(Resources, IconsOfTheProgramAndTheTreeExist) {
    for (int id : {IDR_MAINFRAME, IDI_TREE_MINI_ROOT_OPEN, IDI_TREE_DIARY_ROOT, IDI_TREE_DIARY_ROOT_OPEN,
                   IDI_TREE_DATE_OPEN, IDI_TREE_DATE, IDI_TREE_DIARY, IDI_TREE_DIARY_OPEN, IDI_TREE_MINI_ROOT,
                   IDI_TREE_CHOICE, IDI_TREE_CHOICE_OPEN}) {
        HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0);
        EXPECT_NE(icon, nullptr) << id;
        if (icon) DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST(Resources, DialogTemplatesManifestAndVersionExist) {
    HMODULE self = GetModuleHandleW(nullptr);
    for (int id : {IDD_NOOKBACKUP_DIALOG, IDD_LOGIN, IDD_NOTIFY})
        EXPECT_NE(FindResourceW(self, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)), nullptr) << id; // RT_DIALOG
    EXPECT_NE(FindResourceW(self, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)), nullptr); // RT_MANIFEST
    EXPECT_NE(FindResourceW(self, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16)), nullptr); // RT_VERSION
}

TEST(Resources, SocketsMessageIsChinese) {
    wchar_t text[64] = {};
    LoadStringW(GetModuleHandleW(nullptr), IDS_SOCKETS_INIT_FAILED, text, 64);
    // "Windows 套接字初始化失败。"
    EXPECT_STREQ(text, L"Windows \u5957\u63a5\u5b57\u521d\u59cb\u5316\u5931\u8d25\u3002");
}

} // namespace
