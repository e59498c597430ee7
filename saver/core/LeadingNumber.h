#pragma once

#include <cstdint>
#include <string_view>

namespace nook {

// The decimal number at the start of `text` (after blanks, with an optional sign), as
// the runtime's text-to-number conversions read it: "12abc" is 12, a text with no
// leading digits is 0. Out-of-range values are clamped.
int64_t LeadingNumber(std::string_view text);

// The same, clamped to 32 bits: a plug-in type number.
int32_t LeadingType(std::string_view text);

} // namespace nook
