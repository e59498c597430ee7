#include "platform/Files.h"

#include "platform/posix/NativePath.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

MakeDirResult MakeDirectory(const std::string& path) {
    if (mkdir(ToNativePath(path).c_str(), 0777) == 0) return MakeDirResult::Created;
    return errno == EEXIST ? MakeDirResult::AlreadyExists : MakeDirResult::Failed;
}

static bool StatMode(const std::string& path, mode_t type) {
    struct stat st;
    return stat(ToNativePath(path).c_str(), &st) == 0 && (st.st_mode & S_IFMT) == type;
}

bool FileExists(const std::string& path) { return StatMode(path, S_IFREG); }
bool DirectoryExists(const std::string& path) { return StatMode(path, S_IFDIR); }
bool RemoveFile(const std::string& path) { return unlink(ToNativePath(path).c_str()) == 0; }

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(ToNativePath(path).c_str(), mode);
}

bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite) {
    if (!overwrite && FileExists(to)) return false;
    std::string bytes;
    return ReadFileBytes(from, bytes) && WriteFileAtomically(to, bytes);
}

bool MoveFileReplacing(const std::string& from, const std::string& to) {
    return rename(ToNativePath(from).c_str(), ToNativePath(to).c_str()) == 0;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* errorText,
                         Durability durability) {
    std::string target = ToNativePath(path);
    std::string temp = target + ".tmp~";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    int err = 0;
    if (fd < 0) {
        err = errno;
    } else {
        size_t done = 0;
        while (done < bytes.size() && err == 0) {
            ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno != EINTR) err = errno;
            if (n > 0) done += static_cast<size_t>(n);
        }
        if (err == 0 && durability == Durability::Immediate && fsync(fd) != 0) err = errno;
        if (close(fd) != 0 && err == 0) err = errno;
        if (err == 0 && rename(temp.c_str(), target.c_str()) != 0) err = errno;
        if (err != 0) unlink(temp.c_str());
    }
    if (err != 0 && errorText) *errorText = std::strerror(err);
    return err == 0;
}

bool FlushDeferredWrites(const std::string& path) {
    int fd = open(ToNativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = syncfs(fd) == 0;
    close(fd);
    return ok;
}

} // namespace platform
