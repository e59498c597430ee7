// Addresses in other people's HTML that an archived page may keep. A page opened from
// the disk resolves a relative, protocol-relative ("//host/x") or back-slashed
// ("\\host\share", "/\host") address to a file or share, where the browser control
// offers the user's Windows credentials; scripting schemes run in the page. So only
// absolute web addresses pass, mailto: for links, and the archive's own photo paths.
#pragma once

#include <string_view>

namespace nook {

// `value` is an attribute value as written (references not decoded). The archive's own
// photo paths must stand exactly, without blanks around them.
bool IsSafeLinkAddress(std::string_view value);
bool IsSafeImageAddress(std::string_view value);

} // namespace nook
