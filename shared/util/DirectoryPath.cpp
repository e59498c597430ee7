#include "util/DirectoryPath.h"

#include "platform/Files.h"
#include "util/MbcsText.h"

#include <algorithm>

namespace nook {

bool MakeDirectoryPath(const std::string& path) {
    using platform::MakeDirResult;
    // The common case, a page into a folder made before, costs one look instead of a
    // creation attempt per component.
    if (platform::DirectoryExists(path)) return true;
    size_t cut = FindChar(path, '\\');
    while (cut != std::string::npos) {
        cut = FindChar(path, '\\', cut + 1);
        if (cut == std::string::npos) break;
        if (platform::MakeDirectory(path.substr(0, cut)) == MakeDirResult::Failed) return false;
    }
    return platform::MakeDirectory(path) != MakeDirResult::Failed;
}

bool MakeFileDirectory(const std::string& filePath) {
    // Drive plus folder: everything up to the last separator, as the runtime splits a path.
    size_t backslash = ReverseFindChar(filePath, '\\');
    size_t slash = ReverseFindChar(filePath, '/');
    size_t end = backslash == std::string::npos ? slash
                 : slash == std::string::npos   ? backslash
                                                : std::max(backslash, slash);
    std::string folder;
    if (end != std::string::npos)
        folder = filePath.substr(0, end + 1);
    else if (filePath.size() >= 2 && filePath[1] == ':')
        folder = filePath.substr(0, 2);
    return MakeDirectoryPath(folder);
}

} // namespace nook
