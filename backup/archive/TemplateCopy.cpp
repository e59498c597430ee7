#include "archive/TemplateCopy.h"

#include "platform/FolderFiles.h"
#include "platform/Files.h"

#include <vector>

namespace nook {

bool RefreshTemplateCopy(const std::string& from, const std::string& to) {
    std::vector<platform::FolderFile> entries;
    if (!platform::ListFolder(from, entries)) return false;
    if (platform::MakeDirectory(to) == platform::MakeDirResult::Failed) return false;
    bool copied = true;
    for (const platform::FolderFile& entry : entries) {
        if (entry.isFolder) {
            copied = RefreshTemplateCopy(from + entry.name + "\\", to + entry.name + "\\") && copied;
            continue;
        }
        // Compared by content: installed files keep their build times, which say nothing
        // about which copy is the newer.
        std::string wanted, present;
        if (!platform::ReadFileBytes(from + entry.name, wanted)) {
            copied = false;
        } else if (!platform::ReadFileBytes(to + entry.name, present) || present != wanted) {
            copied = platform::WriteFileAtomically(to + entry.name, wanted) && copied;
        }
    }
    return copied;
}

} // namespace nook
