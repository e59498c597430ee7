#pragma once

#include <string>
#include <string_view>

namespace nook {

// Plain text made safe inside HTML elements and quoted attributes: & < > " ' become
// character references, but for a numeric reference to a character code page 936
// lacks, which stands for that character. None of these bytes can be the trail byte of
// a code page 936 character, so the text is walked byte by byte.
std::string EscapeHtml(std::string_view text);

} // namespace nook
