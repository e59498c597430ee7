#include "platform/FolderFiles.h"

#include <algorithm>

namespace platform {

bool ListFolderFiles(const std::string& folder, std::vector<FolderFile>& files) {
    const bool listed = ListFolder(folder, files);
    files.erase(std::remove_if(files.begin(), files.end(), [](const FolderFile& entry) { return entry.isFolder; }),
                files.end());
    return listed;
}

} // namespace platform
