#pragma once

#include "framework/CommandLineInfo.h"
#include "util/CommandLineParams.h"

namespace nook {

// Records each switch of the screen saver's command line with the word after it:
// "/p 1234" gives p = 1234, "/s" gives s = TRUE, "/c:1234" gives c:1234 = TRUE.
class CSaverCommandLine final : public CCommandLineInfo {
  public:
    void ParseParam(const std::string& text, bool isSwitch, bool isLast) override;
    const CCommandLineParams& Params() const { return params_; }

  private:
    CCommandLineParams params_;
};

} // namespace nook
