// A user name becomes the name of the user's settings file and archive folder in the
// program folder, so only a name that is one valid Windows file name is accepted.
#pragma once

#include <string_view>

namespace nook {

// False for an empty name; for one with a path separator, drive colon or another
// character Windows refuses in a file name; for "." and ".."; for a name ending in a
// blank or a dot (Windows would drop them and open another file); for a reserved device
// name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, also with an extension); for a broken
// two-byte character; and for a name too long to carry ".xml" within 255 bytes.
bool IsUsableUserName(std::string_view name);

} // namespace nook
