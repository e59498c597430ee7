// Owners for kernel handles: a thread, an event (CloseHandle), a loaded module
// (FreeLibrary) and memory the system handed over to be freed with LocalFree.
#pragma once

#include "util/ScopedHandle.h"

#include <windows.h>

namespace nook {

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { CloseHandle(handle); }
};
using CKernelHandle = CScopedHandle<KernelHandleTraits>;

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle None() { return nullptr; }
    static void Close(Handle module) { FreeLibrary(module); }
};
using CModuleHandle = CScopedHandle<ModuleTraits>;

struct LocalMemoryTraits {
    using Handle = HLOCAL;
    static Handle None() { return nullptr; }
    static void Close(Handle memory) { LocalFree(memory); }
};
using CLocalMemory = CScopedHandle<LocalMemoryTraits>;

} // namespace nook
