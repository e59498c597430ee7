// The diagnostic log of the backup client: one dated file per run, opened when the main
// dialog starts and written from the user-interface thread and from the transfer thread
// that renders pages. Each line is one formatted write followed by a flush on one
// stream, whose own locking keeps the lines of two threads whole.
#pragma once

#include "archive/Log.h"
#include "util/FileHandle.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

namespace nook {

class CLogFile final : public ILog {
public:
    CLogFile() = default;
    CLogFile(const CLogFile&) = delete;
    CLogFile& operator=(const CLogFile&) = delete;

    // Closes the open file; unless `level` is 0, opens for appending the file
    // "<folderPrefix>Archivist_YYYY_MM_DD_HH_MM_SS.log" named after the current local
    // time. The prefix is used as written: a folder needs its trailing backslash. A file
    // that cannot be opened leaves logging off.
    void OpenLogFile(int32_t level, const std::string& folderPrefix);

    // "YYYY-MM-DD HH:MM:SS <text>" as one line, flushed at once; nothing when off.
    void WriteLog(const std::string& text) override;

    bool IsOpen() const { return static_cast<bool>(stream_); }
    void Close();

private:
    CFileHandle stream_;
    int32_t level_ = 0;
};

// The file name OpenLogFile uses for a local time.
std::string LogFileName(const std::string& folderPrefix, std::time_t when);

} // namespace nook
