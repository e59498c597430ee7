// The two request addresses of the backup service. The values a user controls are
// percent-encoded so that "&", "#", "%" or a blank in a user name cannot break the
// query; the service decodes them back to the same code page 936 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nook {

// What both requests send: the credentials and the high-water marks of the last backup.
struct BackupRequest {
    std::string userName;
    std::string passwordDigest; // 32 lowercase hex characters
    int32_t lastBlogId = 0;
    int32_t lastCommentId = 0;
    int32_t lastTwitterId = 0;
    std::string lastBackupTime; // "2001-01-01 00:00:00"
};

// Every byte outside A-Z a-z 0-9 - _ . ~ as "%XX" (upper-case hex).
std::string PercentEncode(std::string_view bytes);

// "http://<host>/app/backup/getblogsummary.asp?username=...&lastbackuptime=..."
std::string GetBlogSummaryAddress(std::string_view host, const BackupRequest& request);
// "http://<host>/app/backup/getbloglist.asp?username=...&lastbackuptime=..."
std::string GetBlogListAddress(std::string_view host, const BackupRequest& request);

} // namespace nook
