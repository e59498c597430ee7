// Paths of the files the saver reads: album files and the pictures they name, the
// suite's settings and NookBackup's archive. Code page 936 text with backslashes; a
// trail byte that equals "\" is never taken for a separator.
#pragma once

#include "util/PathForm.h"

#include <string>
#include <string_view>

namespace nook {

// The folder that holds the file or folder `path`, with its trailing backslash (one at
// the end of `path` is passed over); empty when there is none.
std::string ParentFolder(std::string_view path);

// The full path of the local file that an album file's address, or the configuration's
// album file, names: an absolute path, or one relative to `folder` (the album's, the
// saver's); surrounding blanks are trimmed. Empty for a blank address, one with a scheme
// ("http:", "ftp:", "file:", any but a drive letter), a drive without a separator
// ("C:name", the drive's current folder) and a network path ("\\server\share",
// "//server"): the saver fetches nothing, and opening a network path would make Windows
// sign in to whatever server an album names.
std::string LocalFilePath(std::string_view address, const std::string& folder);

} // namespace nook
