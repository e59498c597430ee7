// Resource ids of SS_Orchard, shared by its .rc and its constants.
#pragma once

#define IDI_PLUGIN 2000
#define IDR_MOVIE 2001
