#pragma once

#include <string>

namespace nook {

// The folder of the running program file with a trailing backslash. Every file of
// every deliverable is found relative to it.
std::string ProgramDir();

} // namespace nook
