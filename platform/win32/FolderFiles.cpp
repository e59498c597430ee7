#include "platform/FolderFiles.h"

#include "platform/win32/WideText.h"

#include <windows.h>

#include <cwchar>
#include <memory>

namespace platform {

namespace {

struct SearchCloser {
    void operator()(HANDLE search) const { FindClose(search); }
};
using OwnedSearch = std::unique_ptr<void, SearchCloser>;

} // namespace

bool ListFolder(const std::string& folder, std::vector<FolderFile>& entries) {
    entries.clear();
    std::string pattern = folder;
    if (pattern.empty() || pattern.back() != '\\') pattern += '\\';
    WIN32_FIND_DATAW found;
    HANDLE first = FindFirstFileW(ToWide(pattern + "*").c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    const OwnedSearch search(first);
    do {
        if (wcscmp(found.cFileName, L".") == 0 || wcscmp(found.cFileName, L"..") == 0) continue;
        bool lost = false;
        std::string name = FromWide(found.cFileName, &lost);
        if (lost) continue;
        const uint64_t ticks =
            (uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32) | found.ftLastWriteTime.dwLowDateTime;
        entries.push_back({std::move(name), int64_t(ticks), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search.get(), &found));
    return true;
}

} // namespace platform
