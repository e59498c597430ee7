// Dates of the service's times ("2008-05-03 09:07:02"), which decide the year and month
// folders of the archive.
#pragma once

#include <string_view>

namespace nook {

// Year, month and day from the part before the first blank, which must hold two "-".
// Each piece is read as a decimal number (no digits: 0). False, the outputs untouched,
// when there is no blank or fewer than two dashes.
bool ParseDate(std::string_view text, int& year, int& month, int& day);

// The year and month an item is filed under. A time that ParseDate cannot read files
// the item under year 0, month 0, the one place kept for undated items.
struct ArchiveMonth {
    int year = 0;
    int month = 0;
    bool operator<(const ArchiveMonth& other) const {
        return year != other.year ? year < other.year : month < other.month;
    }
};
ArchiveMonth ArchiveMonthOf(std::string_view time);

} // namespace nook
