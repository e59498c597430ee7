#include "archive/PageFile.h"

#include "platform/Files.h"
#include "util/DirectoryPath.h"

namespace nook {

bool ReadTextFile(const std::string& path, std::string& text) {
    std::string bytes;
    if (!platform::ReadFileBytes(path, bytes)) return false;
    text.reserve(text.size() + bytes.size());
    size_t from = 0;
    for (size_t cr = bytes.find("\r\n"); cr != std::string::npos; cr = bytes.find("\r\n", from)) {
        text.append(bytes, from, cr - from);
        from = cr + 1; // keep the LF
    }
    text.append(bytes, from, std::string::npos);
    return true;
}

bool WritePageFile(const std::string& path, std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 32);
    size_t from = 0;
    for (size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', from)) {
        bytes.append(text.substr(from, lf - from)).append("\r\n");
        from = lf + 1;
    }
    bytes.append(text.substr(from));
    MakeFileDirectory(path);
    return platform::WriteFileAtomically(path, bytes, nullptr, platform::Durability::Deferred);
}

} // namespace nook
