// The service answers in UTF-8; the programs hold code page 936, which lacks many
// characters families write (emoji, Korean, the rarer Chinese characters). Each of them
// becomes a numeric character reference: the XML reader keeps a reference to a
// character the code page lacks as written, and a page shows it as the character, so
// the archive keeps what was written instead of a "?".
#pragma once

#include <string>
#include <string_view>

namespace nook {

std::string AnswerToAnsi(std::string_view utf8);

} // namespace nook
