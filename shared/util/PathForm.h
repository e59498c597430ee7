// Paths a user or another program wrote into a file the programs read: absolute, or
// relative to a folder the program knows. Code page 936 text; slashes count as
// backslashes (they are never trail bytes of a two-byte character).
#pragma once

#include <string>
#include <string_view>

namespace nook {

bool IsPathSeparator(char c);
// Slashes turned into backslashes, byte by byte.
std::string WithBackslashes(std::string_view path);

// "C:\..." or "C:/...", a path from the root of the drive ("\..."), or a network path
// ("\\server\...").
bool IsAbsolutePath(std::string_view path);

// `path` as it is when absolute, else below `folder` (which ends in a backslash);
// slashes become backslashes.
std::string ResolvePath(std::string_view path, const std::string& folder);

// A path relative to its folder that stays inside it: not empty, not absolute, no drive,
// no ".." component. Anything else in a file could name a file anywhere.
bool StaysInsideFolder(std::string_view relativePath);

} // namespace nook
