// Counts of what this process holds, to show that repeated work leaks nothing.
#pragma once

#include <cstddef>

namespace nook::test {

// Open kernel handles. GetProcessHandleCount is a stub under Wine, so the system's handle
// table is read instead (it answers on Windows as well).
size_t ProcessHandleCount();

// Threads of this process.
size_t ProcessThreadCount();

} // namespace nook::test
