#include "service/RequestAddress.h"

namespace nook {

namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.' || c == '~';
}

std::string MakeAddress(std::string_view host, std::string_view page, const BackupRequest& request) {
    std::string address = "http://";
    address.append(host).append("/app/backup/").append(page);
    address += "?username=" + PercentEncode(request.userName);
    address += "&password=" + PercentEncode(request.passwordDigest);
    address += "&lastblogid=" + std::to_string(request.lastBlogId);
    address += "&lastcommentid=" + std::to_string(request.lastCommentId);
    address += "&lasttwitterid=" + std::to_string(request.lastTwitterId);
    address += "&lastbackuptime=" + PercentEncode(request.lastBackupTime);
    return address;
}

} // namespace

std::string PercentEncode(std::string_view bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(bytes.size());
    for (char ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c)) {
            encoded += ch;
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 15];
        }
    }
    return encoded;
}

std::string GetBlogSummaryAddress(std::string_view host, const BackupRequest& request) {
    return MakeAddress(host, "getblogsummary.asp", request);
}

std::string GetBlogListAddress(std::string_view host, const BackupRequest& request) {
    return MakeAddress(host, "getbloglist.asp", request);
}

} // namespace nook
