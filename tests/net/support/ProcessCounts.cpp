#include "tests/net/support/ProcessCounts.h"

#include <windows.h>
#include <winternl.h>
#include <tlhelp32.h>

#include <vector>

namespace nook::test {

namespace {

constexpr SYSTEM_INFORMATION_CLASS kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);

struct HandleEntry {
    ULONG ownerPid;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ULONG access;
};

struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};

} // namespace

size_t ProcessHandleCount() {
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    while (NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                    static_cast<ULONG>(buffer.size()), &needed) != 0) {
        if (buffer.size() >= (64u << 20)) return 0;
        buffer.resize(buffer.size() * 2);
    }
    const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
    DWORD self = GetCurrentProcessId();
    size_t count = 0;
    for (ULONG i = 0; i < table->count; ++i)
        if (table->entries[i].ownerPid == self) ++count;
    return count;
}

size_t ProcessThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    DWORD self = GetCurrentProcessId();
    size_t count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == self) ++count;
    CloseHandle(snapshot);
    return count;
}

} // namespace nook::test
