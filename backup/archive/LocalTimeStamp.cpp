#include "archive/LocalTimeStamp.h"

#include <cstdio>

namespace nook {

std::tm LocalTime(std::time_t when) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    return local;
}

std::string LocalTimeStamp(std::time_t when) {
    const std::tm local = LocalTime(when);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", unsigned(local.tm_year + 1900),
                  unsigned(local.tm_mon + 1), unsigned(local.tm_mday), unsigned(local.tm_hour),
                  unsigned(local.tm_min), unsigned(local.tm_sec));
    return text;
}

} // namespace nook
