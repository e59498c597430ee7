// The day of a service time as the index page and the search show it.
#pragma once

#include <string>
#include <string_view>

namespace nook {

// "YYYY-MM-DD" from a time ParseDate reads; empty for one it cannot.
std::string DayText(std::string_view time);

} // namespace nook
