#include "tests/fuzz/ScratchFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdlib.h>
#include <system_error>

namespace nook::test {

CScratchFolder::CScratchFolder(const char* prefix) {
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    for (const std::filesystem::path& parent : {std::filesystem::path("/dev/shm"), temp}) {
        std::string pattern = (parent / prefix).string() + "-XXXXXX";
        if (!parent.empty() && mkdtemp(pattern.data())) {
            path_ = pattern + "/";
            return;
        }
    }
    std::fprintf(stderr, "cannot make a scratch folder for %s\n", prefix);
    std::abort();
}

CScratchFolder::~CScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

void WriteScratchFile(const std::string& path, const std::string& bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
}

} // namespace nook::test
