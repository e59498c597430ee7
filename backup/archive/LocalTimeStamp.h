#pragma once

#include <ctime>
#include <string>

namespace nook {

// The broken-down local time of `when`.
std::tm LocalTime(std::time_t when);

// A local time as the backup client writes it: "2008-05-03 09:07:02".
std::string LocalTimeStamp(std::time_t when);

} // namespace nook
