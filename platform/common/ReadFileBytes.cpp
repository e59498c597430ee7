#include "platform/Files.h"

#include "platform/common/OwnedStream.h"

namespace platform {

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    const OwnedStream f(OpenFile(path, "rb"));
    if (!f) return false;
    bytes.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.append(buffer, n);
    return !std::ferror(f.get());
}

} // namespace platform
