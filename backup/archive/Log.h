#pragma once

#include <string>

namespace nook {

// Where the archive reports what the user never sees (a template that cannot be opened).
// The main dialog implements it with its log file.
class ILog {
  public:
    virtual ~ILog() = default;
    virtual void WriteLog(const std::string& text) = 0;
};

} // namespace nook
