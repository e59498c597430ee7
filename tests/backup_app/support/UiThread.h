// A user-interface thread of the test process: runs a modal dialog as the program runs
// it (OLE for the hosted browser, the common controls), while the test thread drives it
// with messages.
#pragma once

#include <windows.h>

#include <functional>

namespace nook::test {

class CUiThread {
public:
    // Starts `body` (which runs a dialog modally and returns its result) on a new thread.
    explicit CUiThread(std::function<INT_PTR()> body);
    // Waits for the thread; when it is still running after 30 s the process ends with a
    // failure, since the thread still uses this object.
    ~CUiThread();
    CUiThread(const CUiThread&) = delete;
    CUiThread& operator=(const CUiThread&) = delete;

    DWORD Id() const { return id_; }
    // True when the thread ended within `timeoutMs`.
    bool Join(DWORD timeoutMs);
    INT_PTR Result() const { return result_; }

private:
    static DWORD WINAPI Main(LPVOID self);

    std::function<INT_PTR()> body_;
    INT_PTR result_ = -1;
    HANDLE thread_ = nullptr;
    DWORD id_ = 0;
    bool joined_ = false;
};

} // namespace nook::test
