// Where a plug-in's content configuration names remote resources. Each plug-in's
// translator walks its table in order; the tables are data so that one translator
// serves all four plug-ins.
#pragma once

#include <vector>

namespace nook {

struct ConfigLocation {
    // Null: the attribute sits on the root element itself (one resource at most).
    // Otherwise: the attribute of every child of the root with this name, in document order.
    const char* childElement;
    const char* attribute;
};

struct ConfigSchema {
    const char* rootElement;
    std::vector<ConfigLocation> locations;
};

// Photo albums (SS_Lullaby, SS_Orchard).
extern const ConfigSchema kAlbumSchema;
// Window panes (SS_Glass).
extern const ConfigSchema kGlassSchema;
// One picture (SS_Torch).
extern const ConfigSchema kTorchSchema;

} // namespace nook
