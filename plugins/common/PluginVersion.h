// The version every plug-in reports, shared by the code and the version resource.
#pragma once

#define NOOK_PLUGIN_VERSION_NUMBERS 1, 0, 0, 1
#define NOOK_PLUGIN_VERSION_TEXT "1.0.0.1"
