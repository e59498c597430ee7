// The backup client's settings: the global ones kept in config.xml and those of the
// current user kept in "<user>.xml", both in the program folder.
#pragma once

#include <cstdint>
#include <string>

namespace nook {

// The service's public web host, used when config.xml names none.
inline constexpr char kDefaultServiceHost[] = "www.nookdiary.com";

// The last backup time of a user who has never backed up: the service returns everything.
inline constexpr char kFirstBackupTime[] = "2001-01-01 00:00:00";

// The download timeout, in seconds, when config.xml gives none (<Download Timeout="..."/>),
// and the range a given one must lie in; a value outside it gives the default.
inline constexpr int32_t kDefaultDownloadTimeoutSeconds = 30;
inline constexpr int32_t kMinDownloadTimeoutSeconds = 1;
inline constexpr int32_t kMaxDownloadTimeoutSeconds = 3600;

// Photos fetched at once (<Download Connections="..."/>), likewise.
inline constexpr int32_t kDefaultDownloadConnections = 4;
inline constexpr int32_t kMinDownloadConnections = 1;
inline constexpr int32_t kMaxDownloadConnections = 8;

struct ClientSettings {
    std::string serviceHost; // host name, optionally ":port"
    int32_t logLevel = 0;    // 0 turns the log off
    std::string logFolderPrefix;
    // Read from config.xml only; the program never writes them (a saved config.xml keeps
    // the element as it stands).
    int32_t downloadTimeoutSeconds = kDefaultDownloadTimeoutSeconds;
    int32_t downloadConnections = kDefaultDownloadConnections;
    // <Archive Path="..."/>: where the user folders live, as written (trimmed); empty for
    // beside the program.
    std::string archiveFolder;
};

// High-water marks of a backup, sent so that the service returns only what is new.
struct BackupMarks {
    int32_t lastBlogId = 0;
    int32_t lastCommentId = 0;
    int32_t lastTwitterId = 0;
    std::string lastBackupTime = kFirstBackupTime;
};

inline bool operator==(const BackupMarks& a, const BackupMarks& b) {
    return a.lastBlogId == b.lastBlogId && a.lastCommentId == b.lastCommentId &&
           a.lastTwitterId == b.lastTwitterId && a.lastBackupTime == b.lastBackupTime;
}
inline bool operator!=(const BackupMarks& a, const BackupMarks& b) { return !(a == b); }

struct UserSettings {
    std::string userName;
    std::string passwordDigest; // MD5 hex of user name + password; never the password
    int32_t rememberMe = 0;     // 1: the next start logs in without asking
    BackupMarks marks;          // of the last backup
};

} // namespace nook
