// Inline styles in other people's HTML. Colours, fonts, alignment, decoration, margins,
// padding, borders and plain sizes stay. A style that could fetch, bind or run
// anything (url(, expression, behavior, -moz-binding, script schemes, any function but
// a colour) is dropped whole, however it is hidden: references, CSS escapes, comments,
// white space, upper case or full-width letters.
#pragma once

#include <string>
#include <string_view>

namespace nook {

// The safe part of the style attribute `value` (as written, references not decoded):
// markup for a double-quoted value, the value itself when every declaration is kept,
// else the kept declarations joined by "; "; empty when nothing is kept.
std::string FilterStyle(std::string_view value);

} // namespace nook
