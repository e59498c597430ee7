#include "app/SuiteHandOver.h"

#include "core/SuiteProgram.h"
#include "framework/Window.h"
#include "platform/Module.h"
#include "platform/win32/WideText.h"

#include <windows.h>
#include <shellapi.h>

namespace nook {

void HandOverToSuite() {
    UINT configCommand = RegisterMessage("Brindle_ScreenSaver_Config");
    if (HWND suite = FindWindowW(nullptr, L"Brindle_DesktopSuite")) {
        PostMessageW(suite, configCommand, 0, 0);
        return;
    }
    std::string program = SuiteProgramPath(platform::ProgramFilePath());
    if (program.empty()) return;
    std::wstring file = platform::ToWide(program);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI; // a missing suite is not reported
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = L"/ssconfig";
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
}

} // namespace nook
