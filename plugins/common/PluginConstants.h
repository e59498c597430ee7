// What makes one plug-in library different from the others. Each plug-in folder
// defines kThisPlugin; the exports and the translator are shared.
#pragma once

#include "common/translator/ConfigSchema.h"

#include <cstdint>

namespace nook {

struct PluginConstants {
    const char* name; // display name, code page 936
    uint16_t iconId;  // icon group resource
    int movieResourceId;
    const ConfigSchema& schema;
};

extern const PluginConstants kThisPlugin;

} // namespace nook
