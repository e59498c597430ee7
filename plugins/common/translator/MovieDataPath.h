#pragma once

#include <string>

namespace nook {

// The movie data file of the plug-in library at `libraryPath`: the path cut before its
// last "." (wherever it is, a folder name included) with ".SDAT" appended.
std::string MovieDataPath(const std::string& libraryPath);

} // namespace nook
