#include "app/ArchivistCommandLineInfo.h"

namespace nook {

void CArchivistCommandLineInfo::ParseParam(const std::string& text, bool isSwitch, bool isLast) {
    params_.ParseParam(text, isSwitch);
    CCommandLineInfo::ParseParam(text, isSwitch, isLast);
}

} // namespace nook
