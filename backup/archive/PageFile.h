// Pages and templates are text files as the Windows runtime's text mode sees them: CR LF
// on disk, LF in memory. Converting here keeps the pages the same on every build.
#pragma once

#include <string>
#include <string_view>

namespace nook {

// Appends the file to `text` with each CR LF read as LF; false when it cannot be read.
bool ReadTextFile(const std::string& path, std::string& text);

// Creates the file's folders and replaces the file whole with `text`, each LF written as
// CR LF; an interrupted write leaves the old page (or none), never half of one. The page
// reaches the disk by platform::FlushDeferredWrites, before the marks are advanced.
bool WritePageFile(const std::string& path, std::string_view text);

} // namespace nook
