// What a reader sees of a field as text, for searching it: of other people's HTML the
// text an archived page shows (what the sanitiser keeps, nothing of scripts, styles and
// the like), character references decoded; every run of white space one blank. UTF-16,
// since a reference may name a character that code page 936 cannot hold.
#pragma once

#include <string>
#include <string_view>

namespace nook {

// `html` in code page 936, as received.
std::u16string PlainTextOfHtml(std::string_view html);

// Plain text in code page 936 (a title, a name), white space collapsed as above.
std::u16string PlainTextOf(std::string_view text);

} // namespace nook
