#include "platform/Module.h"

#include "platform/win32/WideText.h"

#include <windows.h>

namespace platform {

static std::string ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(module, path, MAX_PATH);
    return FromWide(std::wstring_view(path, n));
}

std::string ProgramFilePath() { return ModulePath(nullptr); }

std::string CurrentModulePath() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&CurrentModulePath), &self);
    return ModulePath(self);
}

} // namespace platform
