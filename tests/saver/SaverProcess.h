// A NookSS.scr process started by a test, and the windows it shows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace nook::test {

class CSaverProcess {
  public:
    // Starts `program` with `arguments`; Running() is false when that failed.
    CSaverProcess(const std::string& program, const std::string& arguments);
    // Ends the process if it still runs.
    ~CSaverProcess();
    CSaverProcess(const CSaverProcess&) = delete;
    CSaverProcess& operator=(const CSaverProcess&) = delete;

    bool Running() const;
    // Waits for the process to end, handling this thread's messages meanwhile (a window
    // of this thread may be its parent); false on time-out.
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;
    // The first visible top-level window of the process, waiting up to `timeoutMs`.
    HWND WaitForTopLevelWindow(DWORD timeoutMs) const;

  private:
    PROCESS_INFORMATION info_{};
};

// Handles this thread's messages until `done` is true; false on time-out.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

} // namespace nook::test
