// SS_Torch: one picture by lamplight.
#include "common/PluginConstants.h"
#include "torch/PluginResource.h"

namespace nook {

const PluginConstants kThisPlugin = {"\xB5\xE3\xB5\xC6\xC8\xCB", IDI_PLUGIN, IDR_MOVIE, kTorchSchema};

} // namespace nook
