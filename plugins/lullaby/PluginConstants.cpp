// SS_Lullaby: photo album with a lullaby.
#include "common/PluginConstants.h"
#include "lullaby/PluginResource.h"

namespace nook {

const PluginConstants kThisPlugin = {"\xD2\xA1\xC0\xBA\xC7\xFA", IDI_PLUGIN, IDR_MOVIE, kAlbumSchema};

} // namespace nook
