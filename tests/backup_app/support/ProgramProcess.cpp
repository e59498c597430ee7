#include "tests/backup_app/support/ProgramProcess.h"

#include "platform/Files.h"
#include "platform/win32/WideText.h"

#include <gtest/gtest.h>

namespace nook::test {

namespace {

struct WindowSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK CheckWindow(HWND hwnd, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != search.processId || !IsWindowVisible(hwnd)) return TRUE;
    search.found = hwnd;
    return FALSE;
}

} // namespace

CProgramProcess::CProgramProcess(const std::string& programDir, const std::string& arguments) {
    const std::string program = programDir + "NookBackup.exe";
    EXPECT_TRUE(platform::CopyFileTo(NOOK_BACKUP_PROGRAM, program, true)) << NOOK_BACKUP_PROGRAM;
    std::wstring commandLine = L"\"" + platform::ToWide(program) + L"\" " + platform::ToWide(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        platform::ToWide(programDir).c_str(), &startup, &info)) {
        ADD_FAILURE() << "cannot start " << program << ": " << GetLastError();
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

CProgramProcess::~CProgramProcess() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
}

bool CProgramProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(process_, &exitCode) != FALSE;
}

HWND CProgramProcess::Window() const {
    WindowSearch search{id_};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace nook::test
