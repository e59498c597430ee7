// Windows-form paths (code page 936, backslashes) to and from the POSIX file system's
// form (UTF-8, slashes). A 0x5C trail byte of a two-byte character is not a separator.
#pragma once

#include <string>

namespace platform {

std::string ToNativePath(const std::string& path);
std::string FromNativePath(const std::string& native);

} // namespace platform
