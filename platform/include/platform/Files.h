// Files and folders by code page 936 path. Paths use backslashes as on Windows; the
// POSIX implementation maps them (and the code page) at the system call.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

enum class MakeDirResult { Created, AlreadyExists, Failed };

MakeDirResult MakeDirectory(const std::string& path);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool RemoveFile(const std::string& path);
bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite);
// Renames `from` to `to`, replacing a file there in one step, so a reader finds the old
// file or the new one, never a part. On another volume Windows copies instead (not in one
// step); POSIX fails there. False, both untouched, on failure (also when `to` is a folder).
bool MoveFileReplacing(const std::string& from, const std::string& to);

// A C runtime stream (mode as for fopen); null with errno set on failure.
std::FILE* OpenFile(const std::string& path, const char* mode);

bool ReadFileBytes(const std::string& path, std::string& bytes);

// How soon replaced bytes must be on the disk. Deferred writes are still atomic (old or
// new content, never half), but reach the disk only by FlushDeferredWrites: thousands of
// archive pages then cost one flush instead of one each.
enum class Durability { Immediate, Deferred };

// Replaces the file's content so that a reader sees either the old or the new bytes,
// never a half-written file: the bytes go to a temporary file beside the target, are
// flushed, and the temporary file is renamed over the target. On failure the target
// is untouched and `errorText`, when given, holds the runtime's message.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* errorText = nullptr,
                         Durability durability = Durability::Immediate);

// Puts every deferred write on the volume that holds `path` on the disk.
bool FlushDeferredWrites(const std::string& path);

} // namespace platform
