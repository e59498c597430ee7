// A plug-in whose library lacks its movie.
#include "common/PluginConstants.h"
#include "nomovie/PluginResource.h"

namespace nook {

const PluginConstants kThisPlugin = {"NoMovie", IDI_PLUGIN, IDR_MOVIE, kTorchSchema};

} // namespace nook
