#include "framework/ShellOpen.h"

#include "platform/win32/WideText.h"

#include <shellapi.h>

namespace nook {

bool ShellOpen(std::string_view target, int show) {
    std::wstring file = platform::ToWide(target);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = show;
    return ShellExecuteExW(&info) != FALSE;
}

} // namespace nook
