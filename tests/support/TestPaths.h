// Paths for tests in the programs' own form (code page 936, backslashes), on either build.
#pragma once

#include <string>

namespace nook::test {

// The committed test data folder, with a trailing backslash.
std::string DataDir();

// A fresh, empty scratch folder for the running test, with a trailing backslash.
std::string ScratchDir();

// Reads a whole file; empty when it cannot be read.
std::string ReadAll(const std::string& path);

// Removes an empty folder (tests put one where a file must go to make its write fail).
bool RemoveEmptyFolder(const std::string& path);

} // namespace nook::test
