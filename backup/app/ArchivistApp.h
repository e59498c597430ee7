// NookBackup's application object: one copy at a time, the command line, sockets and
// ActiveX hosting, then the main dialog, run modally; the program ends with it.
#pragma once

#include "framework/Application.h"

namespace nook {

// The single-instance mutex; created once and held until the process ends.
inline constexpr wchar_t kSingleInstanceMutexName[] = L"TESMAR_NOOKBACKUP-EE963CF8-CADC-4b59-8114-F91109F0EBDA";

class CArchivistApp final : public CApplication {
protected:
    bool InitInstance() override;
    // 0, or with "/backup" the unattended backup's exit code.
    int ExitInstance() override { return exitCode_; }

private:
    int exitCode_ = 0;
};

} // namespace nook
