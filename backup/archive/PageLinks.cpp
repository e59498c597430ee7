#include "archive/PageLinks.h"

namespace nook {

namespace {

std::string MonthFolderLink(ArchiveMonth month) {
    return std::to_string(month.year) + "/" + std::to_string(month.month) + "/";
}

} // namespace

std::string BlogPageLink(ArchiveMonth month, int32_t blogId) {
    return MonthFolderLink(month) + std::to_string(blogId) + ".html";
}

std::string MonthPageLink(ArchiveMonth month) {
    return MonthFolderLink(month) + "TwitterList.html";
}

} // namespace nook
