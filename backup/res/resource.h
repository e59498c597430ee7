// Resource numbers of NookBackup: dialog templates, strings, icons, bitmaps and the
// controls of the templates.
#pragma once

// Dialog templates
#define IDD_NOOKBACKUP_DIALOG 102
#define IDD_LOGIN 135
#define IDD_NOTIFY 142

// Strings
#define IDS_SOCKETS_INIT_FAILED 103

// Icons: the program, and the images of the archive tree
#define IDR_MAINFRAME 128
#define IDI_TREE_MINI_ROOT_OPEN 149
#define IDI_TREE_DIARY_ROOT 150
#define IDI_TREE_DIARY_ROOT_OPEN 151
#define IDI_TREE_DATE_OPEN 152
#define IDI_TREE_DATE 153
#define IDI_TREE_DIARY 154
#define IDI_TREE_DIARY_OPEN 155
#define IDI_TREE_MINI_ROOT 156
#define IDI_TREE_CHOICE 213
#define IDI_TREE_CHOICE_OPEN 214

// Bitmaps: backgrounds
#define IDB_LOGIN_BACKGROUND 130
#define IDB_NOTICE_BACKGROUND 137
#define IDB_MAIN_BACKGROUND 178

// Bitmaps: caption buttons (normal, hover)
#define IDB_CAPTION_CLOSE_HOVER 131
#define IDB_CAPTION_CLOSE 132
#define IDB_CAPTION_RESTORE 182
#define IDB_CAPTION_MAXIMISE_HOVER 183
#define IDB_CAPTION_MAXIMISE 184
#define IDB_CAPTION_RESTORE_HOVER 187
#define IDB_CAPTION_MINIMISE 188
#define IDB_CAPTION_MINIMISE_HOVER 189

// Bitmaps: main window frame
#define IDB_FRAME_TOP_RIGHT 172
#define IDB_FRAME_BOTTOM 173
#define IDB_FRAME_BOTTOM_LEFT 174
#define IDB_FRAME_BOTTOM_RIGHT 175
#define IDB_FRAME_LEFT 176
#define IDB_FRAME_RIGHT 177
#define IDB_FRAME_TOP 179
#define IDB_FRAME_TOP_LEFT 180

// Bitmaps: dialog push buttons
#define IDB_LOGIN_SUBMIT_HOVER 133
#define IDB_LOGIN_SUBMIT 134
#define IDB_OK_HOVER 138
#define IDB_OK 139
#define IDB_CANCEL_HOVER 140
#define IDB_CANCEL 141

// Bitmaps: main dialog buttons, links, banner and decorations
#define IDB_LOGIN 157
#define IDB_BACKUP_HOVER 158
#define IDB_BACKUP 159
#define IDB_LOGIN_HOVER 160
#define IDB_REFRESH_HOVER 161
#define IDB_REFRESH 162
#define IDB_BACKUP_INACTIVE 163
#define IDB_REFRESH_INACTIVE 164
#define IDB_LOGIN_INACTIVE 165
#define IDB_FORUM_LINK_HOVER 166
#define IDB_FORUM_LINK 167
#define IDB_HOME_LINK_HOVER 168
#define IDB_HOME_LINK 169
#define IDB_BANNER 170
#define IDB_DECO_SIGNATURE 206
#define IDB_DECO_HOME 207
#define IDB_DECO_FORUM 208
#define IDB_NEXT_PAGE_HOVER 209
#define IDB_NEXT_PAGE 210
#define IDB_PREV_PAGE_HOVER 211
#define IDB_PREV_PAGE 212

// Bitmaps: frames of the work area and the page view (8 x 8 pieces)
#define IDB_PANEL_TOP_RIGHT 190
#define IDB_PANEL_BOTTOM 191
#define IDB_PANEL_BOTTOM_LEFT 192
#define IDB_PANEL_BOTTOM_RIGHT 193
#define IDB_PANEL_LEFT 194
#define IDB_PANEL_RIGHT 195
#define IDB_PANEL_TOP 196
#define IDB_PANEL_TOP_LEFT 197

// Bitmaps: frame of the archive tree
#define IDB_TREE_FRAME_TOP_RIGHT 198
#define IDB_TREE_FRAME_BOTTOM 199
#define IDB_TREE_FRAME_BOTTOM_LEFT 200
#define IDB_TREE_FRAME_BOTTOM_RIGHT 201
#define IDB_TREE_FRAME_LEFT 202
#define IDB_TREE_FRAME_RIGHT 203
#define IDB_TREE_FRAME_TOP 204
#define IDB_TREE_FRAME_TOP_LEFT 205

// Controls of the main dialog (102)
#define IDC_ARCHIVE_TREE 1000
#define IDC_EXPLORER 1001
#define IDC_STATUS 1011
#define IDC_LOGIN 1016
#define IDC_PROGRESS 1022
#define IDC_BACKUP 1023
#define IDC_HIDDEN 1024
#define IDC_LOGIN_INACTIVE 1025
#define IDC_BACKUP_INACTIVE 1026
#define IDC_REFRESH 1027
#define IDC_REFRESH_INACTIVE 1028
#define IDC_FORUM_LINK 1029
#define IDC_HOME_LINK 1030
#define IDC_BANNER 1031
#define IDC_TREE_FRAME 1032
#define IDC_WORK_FRAME 1034
#define IDC_PAGE_FRAME 1035
#define IDC_PREV_PAGE 1037
#define IDC_NEXT_PAGE 1038
#define IDC_DECO_SIGNATURE 1039
#define IDC_DECO_HOME 1040
#define IDC_DECO_FORUM 1041

// Controls of the login dialog (135)
#define IDC_LOGIN_SUBMIT 1004
#define IDC_HOME_LABEL 1005
#define IDC_USER_NAME 1006
#define IDC_PASSWORD 1007
#define IDC_REMEMBER 1008
#define IDC_FORGOT_PASSWORD 1010

// Controls of the notice dialog (142); the close button also of the login dialog
#define IDC_MESSAGE 1011
#define IDC_COUNTDOWN 1014
#define IDC_CLOSE 1015
