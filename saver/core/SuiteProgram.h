#pragma once

#include <string>

namespace nook {

// The desktop suite's program, one folder above the screen saver's: for
// C:\A\B\saver.scr it is C:\A\Hearthtop.exe. Empty when the path has too few folders.
std::string SuiteProgramPath(const std::string& saverProgramPath);

} // namespace nook
