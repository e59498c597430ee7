// Searching and replacing in code page 936 text. A match must start on a character:
// the trail byte of a two-byte character may equal "{", "s" or any ASCII letter and is
// never the start of a placeholder or of "src=".
#pragma once

#include <string>
#include <string_view>

namespace nook {

// Position of the first `needle` starting on a character at or after `from` (which
// must itself start a character), or npos.
size_t FindText(std::string_view text, std::string_view needle, size_t from = 0);

// Replaces every occurrence, left to right; the inserted text is not searched again.
// Returns the number of replacements.
size_t ReplaceAll(std::string& text, std::string_view needle, std::string_view value);

} // namespace nook
