#include "platform/FolderFiles.h"

#include "platform/CodePage.h"
#include "platform/posix/NativePath.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>
#include <string_view>

namespace platform {

namespace {

struct FolderCloser {
    void operator()(DIR* folder) const { closedir(folder); }
};
using OwnedFolder = std::unique_ptr<DIR, FolderCloser>;

// Windows' file time: 100-nanosecond ticks since 1601.
constexpr int64_t kTicksPerSecond = 10000000;
constexpr int64_t kSecondsFrom1601To1970 = 11644473600;

} // namespace

bool ListFolder(const std::string& folder, std::vector<FolderFile>& entries) {
    entries.clear();
    const OwnedFolder listing(opendir(ToNativePath(folder).c_str()));
    if (!listing) return false;
    while (const dirent* entry = readdir(listing.get())) {
        struct stat st;
        const std::string_view native = entry->d_name;
        if (native == "." || native == "..") continue;
        if (fstatat(dirfd(listing.get()), entry->d_name, &st, 0) != 0 || !(S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)))
            continue;
        // A name that does not come back the same (not UTF-8, outside code page 936, or
        // holding a backslash) would name another file or none.
        std::string name = FromNativePath(entry->d_name);
        if (ToNativePath(name) != entry->d_name) continue;
        const int64_t ticks = (int64_t(st.st_mtim.tv_sec) + kSecondsFrom1601To1970) * kTicksPerSecond +
                              st.st_mtim.tv_nsec / 100;
        entries.push_back({std::move(name), ticks, S_ISDIR(st.st_mode)});
    }
    return true;
}

} // namespace platform
