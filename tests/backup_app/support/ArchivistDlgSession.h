// NookBackup's main dialog run as the program runs it, on a user-interface thread of the
// test process, with a test's program folder as its own.
#pragma once

#include "tests/backup_app/support/ProgramFolder.h"
#include "tests/backup_app/support/UiThread.h"

#include <windows.h>

#include <memory>
#include <string>

namespace nook::test {

struct SessionOptions {
    std::string commandLineUser;
    std::string commandLineDigest;
    bool unattended = false;
};

class CArchivistDlgSession {
public:
    CArchivistDlgSession(const CProgramFolder& folder, SessionOptions options = {});
    // Ends the dialog through the confirmed close when it is still open.
    ~CArchivistDlgSession();

    DWORD ThreadId() const { return thread_->Id(); }
    // The main window once it shows; null (and a failed test) when it does not.
    HWND Main();
    // The login window, or a notice, once it shows.
    HWND WaitForLogin();
    HWND WaitForNotice();

    // Answers the quit question with OK and waits for the dialog to end; true when it did.
    bool CloseConfirmed();
    // Waits for the dialog to end by itself; true when it did.
    bool WaitForEnd(DWORD timeoutMs);
    int ExitCode() const { return exitCode_; }

private:
    std::unique_ptr<CUiThread> thread_;
    int exitCode_ = -1;
    HWND main_ = nullptr;
};

} // namespace nook::test
