// Resource ids of SS_Lullaby, shared by its .rc and its constants.
#pragma once

#define IDI_PLUGIN 7001
#define IDR_MOVIE 7000
