#include "platform/Files.h"

namespace platform {

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* f = OpenFile(path, "rb");
    if (!f) return false;
    bytes.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

} // namespace platform
