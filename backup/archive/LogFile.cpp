#include "archive/LogFile.h"

#include "archive/LocalTimeStamp.h"
#include "platform/Files.h"

#include <ctime>

namespace nook {

std::string LogFileName(const std::string& folderPrefix, std::time_t when) {
    const std::tm local = LocalTime(when);
    char name[64];
    std::snprintf(name, sizeof name, "Archivist_%04d_%02d_%02d_%02d_%02d_%02d.log", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return folderPrefix + name;
}

void CLogFile::Close() { stream_.Reset(); }

void CLogFile::OpenLogFile(int32_t level, const std::string& folderPrefix) {
    Close();
    level_ = level;
    if (level_ == 0) return;
    stream_.Reset(platform::OpenFile(LogFileName(folderPrefix, std::time(nullptr)), "at"));
}

void CLogFile::WriteLog(const std::string& text) {
    if (!stream_ || level_ == 0) return;
    std::fprintf(stream_.Get(), "%s %s\n", LocalTimeStamp(std::time(nullptr)).c_str(), text.c_str());
    std::fflush(stream_.Get());
}

} // namespace nook
