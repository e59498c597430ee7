// An archive folder away from the program carries its own copy of the templates: its
// pages link the style sheet, the search script and the pictures there, and open from any
// computer the folder is copied to.
#pragma once

#include <string>

namespace nook {

// Makes the files of the folder `from` and its sub-folders, by content, the same in `to`
// (both with trailing backslashes): a file missing there or different is written anew,
// atomically. Files only `to` has stay. False when a file could not be read or written.
bool RefreshTemplateCopy(const std::string& from, const std::string& to);

} // namespace nook
