#include "util/ProgramDir.h"

#include "platform/Module.h"
#include "util/MbcsText.h"

namespace nook {

std::string ProgramDir() {
    std::string path = platform::ProgramFilePath();
    size_t slash = ReverseFindChar(path, '\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace nook
