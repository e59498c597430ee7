#include "stage/StageTheme.h"

#include "util/MbcsText.h"

#include <string>

namespace nook {

std::unique_ptr<IStageTheme> MakeThemeForPlugin(std::string_view pluginFile, unsigned seed) {
    std::string name = AsciiLower(pluginFile);
    if (name == "ss_orchard.dll") return MakeOrchardTheme(seed);
    if (name == "ss_glass.dll") return MakeGlassTheme(seed);
    if (name == "ss_torch.dll") return MakeTorchTheme(seed);
    return MakeLullabyTheme(seed);
}

} // namespace nook
