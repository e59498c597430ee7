// Text as a JavaScript string literal in ASCII only: every character outside printable
// ASCII, and the ASCII that could end the literal or the script around it (quotes,
// backslash, "<", ">", "&"), written as \uXXXX of its UTF-16 code units, so that a
// character above U+FFFF becomes its surrogate pair. Such a script file reads the same
// whatever code page the page that loads it is in, and U+2028, U+2029 and "</script>"
// never end a line or a script early.
#pragma once

#include <string>
#include <string_view>

namespace nook {

// Appends the literal, in double quotes.
void AppendScriptString(std::string& out, std::u16string_view text);

} // namespace nook
