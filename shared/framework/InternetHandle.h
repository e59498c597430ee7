// Owns a WinInet handle (session, connection or request): InternetCloseHandle.
#pragma once

#include "util/ScopedHandle.h"

#include <windows.h>
#include <wininet.h>

namespace nook {

struct InternetHandleTraits {
    using Handle = HINTERNET;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { InternetCloseHandle(handle); }
};
using CInternetHandle = CScopedHandle<InternetHandleTraits>;

} // namespace nook
