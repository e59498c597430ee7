#include "core/SaverStart.h"

#include "core/LeadingNumber.h"

namespace nook {

SaverStart ChooseSaverStart(const CCommandLineParams& params) {
    SaverStart start;
    std::string value;
    if (params.GetParam("s", value)) {
        start.mode = SaverMode::FullScreen;
    } else if (params.GetParam("p", value)) {
        start.mode = SaverMode::Preview;
        start.parentHandle = static_cast<intptr_t>(LeadingNumber(value));
    }
    params.GetParam("f", start.configPath);
    return start;
}

} // namespace nook
