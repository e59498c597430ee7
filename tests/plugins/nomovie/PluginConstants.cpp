// A plug-in whose library lacks its movie.
#include "PluginConstants.h"
#include "PluginResource.h"

namespace nook {

const PluginConstants kThisPlugin = {"NoMovie", IDI_PLUGIN, IDR_MOVIE, kTorchSchema};

} // namespace nook
