#pragma once

#include <string>
#include <string_view>

namespace nook {

// Every byte outside [lowest, highest] becomes "%" and two upper-case hex digits.
std::string PercentEncodeOutside(std::string_view text, unsigned char lowest, unsigned char highest);

} // namespace nook
