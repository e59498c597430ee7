// A plug-in built without its movie resource.
#pragma once

#define IDI_PLUGIN 3001
#define IDR_MOVIE 3000
