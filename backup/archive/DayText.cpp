#include "archive/DayText.h"

#include "archive/ParseDate.h"

#include <cstdio>

namespace nook {

std::string DayText(std::string_view time) {
    int year = 0, month = 0, day = 0;
    if (!ParseDate(time, year, month, day)) return {};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

} // namespace nook
