#include "core/SuiteProgram.h"

#include "util/MbcsText.h"

namespace nook {

std::string SuiteProgramPath(const std::string& saverProgramPath) {
    size_t folderEnd = ReverseFindChar(saverProgramPath, '\\');
    if (folderEnd == std::string::npos) return {};
    size_t parentEnd = ReverseFindChar(std::string_view(saverProgramPath).substr(0, folderEnd), '\\');
    if (parentEnd == std::string::npos) return {};
    return saverProgramPath.substr(0, parentEnd + 1) + "Hearthtop.exe";
}

} // namespace nook
