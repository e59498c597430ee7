// Records every text a control of another thread is given, in order, so a test can
// check a sequence of status texts too quick to be seen by polling.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

namespace nook::test {

class CTextRecorder {
public:
    // Starts recording the texts set on `control` (a window of this process).
    explicit CTextRecorder(HWND control);
    ~CTextRecorder();
    CTextRecorder(const CTextRecorder&) = delete;
    CTextRecorder& operator=(const CTextRecorder&) = delete;

    // The texts so far, code page 936, oldest first.
    std::vector<std::string> Texts() const;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND control_;
    WNDPROC previous_ = nullptr;
    mutable std::mutex lock_;
    std::vector<std::string> texts_; // guarded by lock_
};

} // namespace nook::test
