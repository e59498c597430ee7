#pragma once

#include <string>

namespace nook {

// Writes this library's "DATA" resource `resourceId` to its movie data file, on every
// call, and returns the file's path; an empty text when the resource is missing or
// empty or the file cannot be written in full.
std::string ExtractMovie(int resourceId);

} // namespace nook
