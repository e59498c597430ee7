// Resource ids of NookSS, shared by NookSS.rc and the code.
#pragma once

#define IDS_SAVER_NAME 1 // the name the system lists the screen saver under
#define IDS_SOCKETS_FAILED 103
#define IDD_PLAYER_FULLSCREEN 103
#define IDI_SAVER 132
#define IDD_PLAYER_PREVIEW 138
#define IDC_MOVIE 1000 // the movie control's place in both templates
