#include "archive/ArchivePaths.h"

namespace nook {

CArchivePaths::CArchivePaths(const std::string& programDir, const std::string& userName)
    : userFolder_(programDir + userName + "\\"), templates_(programDir + "Templates\\") {}

std::string CArchivePaths::MonthFolder(ArchiveMonth month) const {
    return userFolder_ + std::to_string(month.year) + "\\" + std::to_string(month.month) + "\\";
}

std::string CArchivePaths::BlogPagePath(ArchiveMonth month, int32_t blogId) const {
    return MonthFolder(month) + std::to_string(blogId) + ".html";
}

std::string CArchivePaths::DiaryRecordPath(int32_t blogId) const {
    return RecordsFolder() + std::to_string(blogId) + ".xml";
}

std::string CArchivePaths::EarlierBlogPagePath(ArchiveMonth month, int32_t blogId) const {
    return MonthFolder(month) + std::to_string(blogId) + ".earlier.html";
}

std::string CArchivePaths::MonthPagePath(ArchiveMonth month) const {
    return MonthFolder(month) + "TwitterList.html";
}

std::string CArchivePaths::YearBookPath(int year) const {
    return userFolder_ + std::to_string(year) + "\\book.html";
}

std::string CArchivePaths::SearchDataPath(int year) const {
    return userFolder_ + "search-" + std::to_string(year) + ".js";
}

} // namespace nook
