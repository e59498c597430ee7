// Resource ids of SS_Torch, shared by its .rc and its constants.
#pragma once

#define IDI_PLUGIN 3001
#define IDR_MOVIE 3000
