#include "archive/EarlierPages.h"

#include "archive/ImageLocaliser.h"
#include "archive/TextReplace.h"
#include "util/MbcsText.h"

namespace nook {

namespace {

constexpr char kPhotoFolderPart[] = "\\images\\";

// "X:\..." or "\\server\...": what the old pages wrote.
bool IsAbsolutePath(std::string_view path) {
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') {
        const char drive = path[0];
        return (drive >= 'a' && drive <= 'z') || (drive >= 'A' && drive <= 'Z');
    }
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name)
        if (c == '\\' || c == '/' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

// Where the quoted value that holds `at` starts: after the nearest quote before it. A
// quote is never the trail byte of a two-byte character.
size_t ValueStart(const std::string& text, size_t at) {
    const size_t quote = text.find_last_of("\"'", at);
    return quote == std::string::npos ? 0 : quote + 1;
}

} // namespace

std::vector<std::string> EarlierPhotoFiles(const std::string& pageText) {
    const std::string lower = AsciiLower(pageText);
    std::vector<std::string> files;
    size_t from = 0;
    for (;;) {
        const size_t match = FindText(lower, "src=\"", from);
        if (match == std::string::npos) return files;
        const size_t start = match + 5;
        const size_t quote = FindChar(pageText, '"', start);
        if (quote == std::string::npos) return files;
        from = quote + 1;
        const std::string_view value = std::string_view(pageText).substr(start, quote - start);
        std::string_view name;
        if (value.compare(0, sizeof(kPagePhotoFolder) - 1, kPagePhotoFolder) == 0) {
            name = value.substr(sizeof(kPagePhotoFolder) - 1);
        } else {
            const size_t folder = FindText(std::string_view(lower).substr(start, quote - start), kPhotoFolderPart);
            if (folder == std::string::npos || !IsAbsolutePath(value)) continue;
            name = value.substr(folder + sizeof(kPhotoFolderPart) - 1);
        }
        if (IsPlainFileName(name)) files.emplace_back(name);
    }
}

bool RelativisePhotoPaths(std::string& pageText) {
    bool changed = false;
    size_t from = 0;
    for (;;) {
        const std::string lower = AsciiLower(pageText);
        const size_t folder = FindText(lower, kPhotoFolderPart, from);
        if (folder == std::string::npos) return changed;
        const size_t start = ValueStart(pageText, folder);
        const size_t end = folder + sizeof(kPhotoFolderPart) - 1;
        if (!IsAbsolutePath(std::string_view(pageText).substr(start, end - start))) {
            from = end;
            continue;
        }
        pageText.replace(start, end - start, kPagePhotoFolder);
        from = start + sizeof(kPagePhotoFolder) - 1;
        changed = true;
    }
}

} // namespace nook
