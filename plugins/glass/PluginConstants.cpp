// SS_Glass: pictures behind window panes.
#include "common/PluginConstants.h"
#include "glass/PluginResource.h"

namespace nook {

const PluginConstants kThisPlugin = {"\xB2\xA3\xC1\xA7\xB4\xB0", IDI_PLUGIN, IDR_MOVIE, kGlassSchema};

} // namespace nook
