#include "tests/backup_app/support/ArchivistDlgSession.h"

#include "dialogs/ArchivistDlg.h"
#include "res/resource.h"
#include "tests/backup_app/support/UiWaits.h"

#include <gtest/gtest.h>

namespace nook::test {

CArchivistDlgSession::CArchivistDlgSession(const CProgramFolder& folder, SessionOptions options) {
    const std::string programDir = folder.Path();
    thread_ = std::make_unique<CUiThread>([this, programDir, options] {
        CArchivistDlg dialog(programDir);
        dialog.SetCommandLineCredentials(options.commandLineUser, options.commandLineDigest);
        dialog.SetUnattended(options.unattended);
        INT_PTR result = dialog.DoModal();
        exitCode_ = dialog.ExitCode();
        return result;
    });
}

CArchivistDlgSession::~CArchivistDlgSession() {
    if (!thread_->Join(0)) CloseConfirmed();
}

HWND CArchivistDlgSession::Main() {
    if (!main_) main_ = WaitForDialogWith(ThreadId(), IDC_ARCHIVE_TREE);
    EXPECT_NE(main_, nullptr) << "the main window did not show";
    return main_;
}

HWND CArchivistDlgSession::WaitForLogin() { return WaitForDialogWith(ThreadId(), IDC_USER_NAME); }

HWND CArchivistDlgSession::WaitForNotice() { return WaitForDialogWith(ThreadId(), IDC_COUNTDOWN); }

bool CArchivistDlgSession::CloseConfirmed() {
    HWND main = Main();
    if (!main) return false;
    PostMessageW(main, WM_CLOSE, 0, 0);
    HWND notice = WaitForNotice();
    EXPECT_NE(notice, nullptr) << "no quit question";
    if (notice) PostClick(notice, IDOK);
    return WaitForEnd(kUiTimeoutMs);
}

bool CArchivistDlgSession::WaitForEnd(DWORD timeoutMs) { return thread_->Join(timeoutMs); }

} // namespace nook::test
