#include "core/LeadingNumber.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace nook {

int64_t LeadingNumber(std::string_view text) {
    std::string terminated(text);
    return std::strtoll(terminated.c_str(), nullptr, 10);
}

int32_t LeadingType(std::string_view text) {
    return static_cast<int32_t>(std::clamp<int64_t>(LeadingNumber(text), INT32_MIN, INT32_MAX));
}

} // namespace nook
