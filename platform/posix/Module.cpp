#include "platform/Module.h"

#include "platform/posix/NativePath.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

namespace platform {

std::string ProgramFilePath() {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? FromNativePath(std::string(path, static_cast<size_t>(n))) : std::string();
}

std::string CurrentModulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&CurrentModulePath), &info) && info.dli_fname) {
        char resolved[PATH_MAX];
        if (realpath(info.dli_fname, resolved)) return FromNativePath(resolved);
    }
    return ProgramFilePath();
}

} // namespace platform
