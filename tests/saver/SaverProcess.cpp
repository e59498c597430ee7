#include "tests/saver/SaverProcess.h"

#include "platform/win32/WideText.h"

namespace nook::test {

CSaverProcess::CSaverProcess(const std::string& program, const std::string& arguments) {
    std::wstring commandLine = L"\"" + platform::ToWide(program) + L"\" " + platform::ToWide(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(platform::ToWide(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &info_))
        info_ = {};
}

CSaverProcess::~CSaverProcess() {
    if (!info_.hProcess) return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool CSaverProcess::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool CSaverProcess::WaitForExit(DWORD timeoutMs) {
    return info_.hProcess && PumpUntil([this] { return !Running(); }, timeoutMs);
}

DWORD CSaverProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

HWND CSaverProcess::WaitForTopLevelWindow(DWORD timeoutMs) const {
    struct Search {
        DWORD process;
        HWND found;
    } search{info_.dwProcessId, nullptr};
    PumpUntil(
        [&search] {
            EnumWindows(
                [](HWND hwnd, LPARAM lParam) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(lParam);
                    DWORD process = 0;
                    GetWindowThreadProcessId(hwnd, &process);
                    if (process != s->process || !IsWindowVisible(hwnd)) return TRUE;
                    s->found = hwnd;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return true;
}

} // namespace nook::test
