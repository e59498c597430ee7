#include "album/Utf8Document.h"

#include "platform/Files.h"
#include "util/FileHandle.h"

#include <cstdio>
#include <string_view>

namespace nook {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Reads at most one byte past the limit, so a huge file costs nothing to refuse.
bool ReadFileUpTo(const std::string& path, size_t limit, std::string& bytes) {
    const CFileHandle file(platform::OpenFile(path, "rb"));
    if (!file) return false;
    bytes.clear();
    char buffer[65536];
    size_t n;
    while (bytes.size() <= limit && (n = std::fread(buffer, 1, sizeof buffer, file.Get())) > 0)
        bytes.append(buffer, n);
    return !std::ferror(file.Get()) && bytes.size() <= limit;
}

} // namespace

bool LoadUtf8Document(const std::string& path, CXmlDocument& doc) {
    std::string bytes;
    if (!ReadFileUpTo(path, kLargestSettingsFile, bytes)) return false;
    std::string_view utf8 = bytes;
    if (utf8.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        utf8.remove_prefix(kUtf8ByteOrderMark.size());
    return doc.SetDocText(CXmlDocument::Utf8ToAnsi(utf8));
}

} // namespace nook
