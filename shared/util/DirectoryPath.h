#pragma once

#include <string>

namespace nook {

// Creates every missing folder of `path` (the first component, the drive, is taken as
// given). True when the whole path was created or already existed.
bool MakeDirectoryPath(const std::string& path);

// Creates the folder that is to hold the file `filePath`.
bool MakeFileDirectory(const std::string& filePath);

} // namespace nook
