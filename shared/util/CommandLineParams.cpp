#include "util/CommandLineParams.h"

namespace nook {

void CCommandLineParams::ParseParam(const std::string& text, bool isSwitch) {
    if (isSwitch) {
        params_[text] = "TRUE";
        pending_ = text;
    } else if (!pending_.empty()) {
        params_[pending_] = text;
        pending_.clear();
    }
}

bool CCommandLineParams::GetParam(const std::string& name, std::string& value) const {
    auto it = params_.find(name);
    if (it == params_.end()) return false;
    value = it->second;
    return true;
}

} // namespace nook
