// Resource ids of SS_Glass, shared by its .rc and its constants.
#pragma once

#define IDI_PLUGIN 6001
#define IDR_MOVIE 7000
