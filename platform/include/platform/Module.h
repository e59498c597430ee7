#pragma once

#include <string>

namespace platform {

// Full path (code page 936, backslashes) of the running program file.
std::string ProgramFilePath();

// Full path of the module this code is linked into: the library itself when called
// from a plug-in, the program otherwise.
std::string CurrentModulePath();

} // namespace platform
