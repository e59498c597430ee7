#include "common/MovieExtractor.h"

#include "common/translator/MovieDataPath.h"
#include "framework/KernelHandle.h"
#include "platform/Module.h"
#include "platform/win32/WideText.h"
#include "util/DirectoryPath.h"

#include <windows.h>

extern "C" IMAGE_DOS_HEADER __ImageBase; // this library's own module

namespace nook {

namespace {

bool WriteWholeFile(const std::string& path, const void* bytes, DWORD size) {
    HANDLE opened =
        CreateFileW(platform::ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // CreateFile fails with INVALID_HANDLE_VALUE; the owner takes null for none.
    const CKernelHandle file(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
    if (!file) return false;
    DWORD written = 0;
    bool ok = WriteFile(file.Get(), bytes, size, &written, nullptr) && written == size;
    if (ok) FlushFileBuffers(file.Get());
    return ok;
}

} // namespace

std::string ExtractMovie(int resourceId) {
    std::string path = MovieDataPath(platform::CurrentModulePath());
    MakeFileDirectory(path);

    auto* self = reinterpret_cast<HMODULE>(&__ImageBase);
    HRSRC resource = FindResourceW(self, MAKEINTRESOURCEW(resourceId), L"DATA");
    DWORD size = resource ? SizeofResource(self, resource) : 0;
    HGLOBAL loaded = size ? LoadResource(self, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return WriteWholeFile(path, bytes, size) ? path : std::string();
}

} // namespace nook
