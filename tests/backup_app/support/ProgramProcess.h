// NookBackup.exe run as a process of its own from a test's program folder, as a user or
// a scheduler starts it.
#pragma once

#include <windows.h>

#include <string>

namespace nook::test {

class CProgramProcess {
public:
    // Copies the program into `programDir` and starts it there with `arguments`.
    CProgramProcess(const std::string& programDir, const std::string& arguments);
    // Ends a process still running.
    ~CProgramProcess();
    CProgramProcess(const CProgramProcess&) = delete;
    CProgramProcess& operator=(const CProgramProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // True when the process ended within `timeoutMs`; `exitCode` then holds its code.
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode);
    // A visible top-level window of the process, or null.
    HWND Window() const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

} // namespace nook::test
