#include "platform/Files.h"

#include "platform/common/OwnedStream.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <cerrno>
#include <cstring>
#include <io.h>

namespace platform {

MakeDirResult MakeDirectory(const std::string& path) {
    if (CreateDirectoryW(ToWide(path).c_str(), nullptr)) return MakeDirResult::Created;
    return GetLastError() == ERROR_ALREADY_EXISTS ? MakeDirResult::AlreadyExists : MakeDirResult::Failed;
}

static DWORD Attributes(const std::string& path) { return GetFileAttributesW(ToWide(path).c_str()); }

bool FileExists(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveFile(const std::string& path) { return DeleteFileW(ToWide(path).c_str()) != FALSE; }

bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite) {
    return CopyFileW(ToWide(from).c_str(), ToWide(to).c_str(), overwrite ? FALSE : TRUE) != FALSE;
}

bool MoveFileReplacing(const std::string& from, const std::string& to) {
    const DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED;
    return MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), flags) != FALSE;
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return _wfopen(ToWide(path).c_str(), ToWide(mode).c_str());
}

// Windows has no cheap flush of a whole volume, so deferred writes are flushed at once.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* errorText, Durability) {
    std::wstring target = ToWide(path);
    std::wstring temp = target + L".tmp~";
    OwnedStream f(_wfopen(temp.c_str(), L"wb"));
    if (!f) {
        if (errorText) *errorText = std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size() &&
              std::fflush(f.get()) == 0 && _commit(_fileno(f.get())) == 0;
    int err = errno;
    // Closed by hand for its result, before the file is moved into place.
    ok = (std::fclose(f.release()) == 0) && ok;
    if (ok && !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        err = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    }
    if (!ok) {
        DeleteFileW(temp.c_str());
        if (errorText) *errorText = std::strerror(err ? err : EIO);
    }
    return ok;
}

bool FlushDeferredWrites(const std::string&) { return true; }

} // namespace platform
