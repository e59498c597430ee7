// The entries of one folder, for choosing pictures by name and age and for copying
// folders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct FolderFile {
    std::string name;     // code page 936, without the folder
    int64_t modifiedTime; // last write, in 100-nanosecond ticks since 1601 (UTC)
    bool isFolder = false;
};

// The files and sub-folders directly in `folder` (trailing backslash optional), in no
// particular order, without "." and "..". Names code page 936 cannot hold are left out,
// since no path in the programs could open them. False, `entries` empty, when the folder
// cannot be read.
bool ListFolder(const std::string& folder, std::vector<FolderFile>& entries);

// The same without the sub-folders.
bool ListFolderFiles(const std::string& folder, std::vector<FolderFile>& files);

} // namespace platform
