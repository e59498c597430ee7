#pragma once

#include "framework/CommandLineInfo.h"
#include "util/CommandLineParams.h"

#include <string>

namespace nook {

// Records each switch of NookBackup's command line with the plain argument after it:
// "/user alice /pass <digest>" gives user = alice and pass = the digest; a switch with
// no argument after it has the value "TRUE"; a later repetition overwrites.
class CArchivistCommandLineInfo final : public CCommandLineInfo {
public:
    void ParseParam(const std::string& text, bool isSwitch, bool isLast) override;

    // Copies the value of switch `name` (case-sensitive) into `value`; false and `value`
    // unchanged when the switch was not given.
    bool GetParam(const std::string& name, std::string& value) const { return params_.GetParam(name, value); }

private:
    CCommandLineParams params_;
};

} // namespace nook
