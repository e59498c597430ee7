// Addresses of the archive's pages as links from the user folder ("2008/5/7.html"): the
// pages that live there link only relatively, so the folder can be moved or copied and
// opened from wherever it lands.
#pragma once

#include "archive/ParseDate.h"

#include <cstdint>
#include <string>

namespace nook {

std::string BlogPageLink(ArchiveMonth month, int32_t blogId);
std::string MonthPageLink(ArchiveMonth month);

} // namespace nook
