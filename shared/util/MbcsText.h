// Scans over code page 936 text. A lead byte and the byte after it form one character,
// so a trail byte that happens to equal "\", "/", "<" or an ASCII letter is never taken
// for one.
#pragma once

#include <string>
#include <string_view>

namespace nook {

// Position of the first `ch` at or after `from` that starts a character, or npos.
size_t FindChar(std::string_view text, char ch, size_t from = 0);

// Position of the last `ch` that starts a character, or npos.
size_t ReverseFindChar(std::string_view text, char ch);

// Without leading and trailing " \t\n\r\v\f".
std::string Trim(std::string_view text);

// A-Z folded to a-z; bytes of two-byte characters are left alone.
std::string AsciiLower(std::string_view text);

} // namespace nook
