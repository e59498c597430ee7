#include "album/LocalPath.h"

#include "util/MbcsText.h"

namespace nook {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsSchemeChar(char c) {
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// A URI scheme ("http:", "file:", "mk:"): a letter, then letters, digits, "+", "-" or
// ".", then a colon. One letter alone is a drive.
bool HasScheme(std::string_view address) {
    if (address.empty() || !IsAsciiLetter(address[0])) return false;
    size_t i = 1;
    while (i < address.size() && IsSchemeChar(address[i]))
        ++i;
    return i >= 2 && i < address.size() && address[i] == ':';
}

bool IsNetworkPath(std::string_view path) {
    return path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]);
}

} // namespace

std::string ParentFolder(std::string_view path) {
    const std::string slashed = WithBackslashes(path);
    size_t end = ReverseFindChar(slashed, '\\');
    if (end != std::string::npos && end + 1 == slashed.size())
        end = ReverseFindChar(std::string_view(slashed).substr(0, end), '\\');
    return end == std::string::npos ? std::string() : slashed.substr(0, end + 1);
}

std::string LocalFilePath(std::string_view address, const std::string& folder) {
    const std::string trimmed = Trim(address);
    if (trimmed.empty() || HasScheme(trimmed) || IsNetworkPath(trimmed)) return {};
    // No file name holds "?"; "\??\UNC\host\share" reaches a network share past the
    // check above.
    if (trimmed.find('?') != std::string::npos) return {};
    // "C:name" means the current folder of drive C, whatever that is.
    if (trimmed.size() >= 2 && trimmed[1] == ':' && !IsAbsolutePath(trimmed)) return {};
    return ResolvePath(trimmed, folder);
}

} // namespace nook
