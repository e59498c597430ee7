#include "app/SaverCommandLine.h"

namespace nook {

void CSaverCommandLine::ParseParam(const std::string& text, bool isSwitch, bool isLast) {
    params_.ParseParam(text, isSwitch);
    CCommandLineInfo::ParseParam(text, isSwitch, isLast);
}

} // namespace nook
