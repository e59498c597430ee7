#include "tests/backup_app/support/UiThread.h"

#include "framework/OleSession.h"

#include <commctrl.h>
#include <cstdio>
#include <gtest/gtest.h>

namespace nook::test {

CUiThread::CUiThread(std::function<INT_PTR()> body) : body_(std::move(body)) {
    thread_ = CreateThread(nullptr, 0, &CUiThread::Main, this, 0, &id_);
    EXPECT_NE(thread_, nullptr);
}

CUiThread::~CUiThread() {
    if (thread_ && !Join(30000)) {
        // The thread still uses this object: nothing sound is left but to end the process.
        std::fprintf(stderr, "the user-interface thread did not end\n");
        std::fflush(nullptr);
        TerminateProcess(GetCurrentProcess(), 1);
    }
    if (thread_) CloseHandle(thread_);
}

bool CUiThread::Join(DWORD timeoutMs) {
    if (joined_) return true;
    if (!thread_ || WaitForSingleObject(thread_, timeoutMs) != WAIT_OBJECT_0) return false;
    joined_ = true;
    return true;
}

DWORD WINAPI CUiThread::Main(LPVOID self) {
    auto& thread = *static_cast<CUiThread*>(self);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    COleSession ole;
    thread.result_ = thread.body_();
    return 0;
}

} // namespace nook::test
