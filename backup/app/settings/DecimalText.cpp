#include "app/settings/DecimalText.h"

#include <limits>

namespace nook {

int32_t DecimalValue(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const int64_t limit = negative ? -int64_t(std::numeric_limits<int32_t>::min())
                                   : int64_t(std::numeric_limits<int32_t>::max());
    int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value >= limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int32_t>(negative ? -value : value);
}

int16_t DecimalValue16(std::string_view text) {
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(DecimalValue(text)) & 0xFFFFu));
}

} // namespace nook
