// A stand-in plug-in: makes strings with its own allocator and releases what it is given.
#include "string/RefString.h"

using nook::CRefString;

extern "C" {

__declspec(dllexport) CRefString Probe_MakeText() { return CRefString("\xD2\xA1\xC0\xBA\xC7\xFA"); }

__declspec(dllexport) int Probe_Length(CRefString text) { return static_cast<int>(text.GetLength()); }

// Returns the caller's own characters: the result is a copy sharing the caller's block.
__declspec(dllexport) CRefString Probe_Echo(CRefString text) { return text; }

__declspec(dllexport) void Probe_Counts(long* allocations, long* releases) {
    *allocations = nook::ModuleStringAllocator().Allocations();
    *releases = nook::ModuleStringAllocator().Releases();
}

} // extern "C"
