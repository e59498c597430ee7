#include "util/PathForm.h"

#include "util/MbcsText.h"

namespace nook {

bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string WithBackslashes(std::string_view path) {
    std::string out(path);
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

bool IsAbsolutePath(std::string_view path) {
    if (!path.empty() && IsPathSeparator(path[0])) return true;
    return path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == ':' && IsPathSeparator(path[2]);
}

std::string ResolvePath(std::string_view path, const std::string& folder) {
    return WithBackslashes(IsAbsolutePath(path) ? std::string(path) : folder + std::string(path));
}

bool StaysInsideFolder(std::string_view relativePath) {
    if (relativePath.empty() || IsAbsolutePath(relativePath)) return false;
    if (relativePath.size() >= 2 && relativePath[1] == ':') return false;
    const std::string slashed = WithBackslashes(relativePath);
    size_t from = 0;
    while (from <= slashed.size()) {
        size_t end = FindChar(slashed, '\\', from);
        if (end == std::string::npos) end = slashed.size();
        if (std::string_view(slashed).substr(from, end - from) == "..") return false;
        from = end + 1;
    }
    return true;
}

} // namespace nook
