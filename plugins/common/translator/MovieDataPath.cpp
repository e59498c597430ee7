#include "common/translator/MovieDataPath.h"

#include "util/MbcsText.h"

namespace nook {

std::string MovieDataPath(const std::string& libraryPath) {
    return libraryPath.substr(0, ReverseFindChar(libraryPath, '.')) + ".SDAT";
}

} // namespace nook
