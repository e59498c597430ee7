#include "platform/posix/NativePath.h"

#include "platform/CodePage.h"

namespace platform {

std::string ToNativePath(const std::string& path) {
    std::string slashed = path;
    for (size_t i = 0; i < slashed.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(slashed[i])) && i + 1 < slashed.size())
            ++i;
        else if (slashed[i] == '\\')
            slashed[i] = '/';
    }
    return AnsiToUtf8(slashed);
}

std::string FromNativePath(const std::string& native) {
    std::string path = Utf8ToAnsi(native);
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size())
            ++i;
        else if (path[i] == '/')
            path[i] = '\\';
    }
    return path;
}

} // namespace platform
