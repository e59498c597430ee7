#include "archive/ParseDate.h"

#include "app/settings/DecimalText.h"

namespace nook {

bool ParseDate(std::string_view text, int& year, int& month, int& day) {
    size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return false;
    std::string_view date = text.substr(0, blank);
    size_t first = date.find('-');
    size_t second = first == std::string_view::npos ? first : date.find('-', first + 1);
    if (second == std::string_view::npos) return false;
    year = DecimalValue(date.substr(0, first));
    month = DecimalValue(date.substr(first + 1, second - first - 1));
    day = DecimalValue(date.substr(second + 1));
    return true;
}

ArchiveMonth ArchiveMonthOf(std::string_view time) {
    ArchiveMonth when; // stays 0/0 when the time does not parse
    int day = 0;
    ParseDate(time, when.year, when.month, day);
    return when;
}

} // namespace nook
