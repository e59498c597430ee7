#pragma once

#include <cstdint>
#include <string>

namespace nook {

class PluginBinding;

// One "screensaver" element of the plug-in list.
struct PluginEntry {
    std::string name;
    int32_t type = 0;
    std::string file; // library file name, relative to the program folder
    std::string makeonline;
    // Owned by the registry; null when the library did not load completely.
    PluginBinding* binding = nullptr;
};

} // namespace nook
