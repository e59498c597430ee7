// SS_Orchard: photo album in the orchard.
#include "common/PluginConstants.h"
#include "orchard/PluginResource.h"

namespace nook {

const PluginConstants kThisPlugin = {"\xCC\xF0\xB3\xC8\xD4\xB0", IDI_PLUGIN, IDR_MOVIE, kAlbumSchema};

} // namespace nook
