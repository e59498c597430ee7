#include "net/BackupServiceClient.h"

#include <utility>

namespace nook {

CBackupServiceClient::~CBackupServiceClient() {
    Stop();
}

bool CBackupServiceClient::GetBlogSummary(const BackupRequest& request) {
    return StartRequest(kSummaryRequest, GetBlogSummaryAddress(serviceHost_, request));
}

bool CBackupServiceClient::GetBlogList(const BackupRequest& request) {
    return StartRequest(kListRequest, GetBlogListAddress(serviceHost_, request));
}

bool CBackupServiceClient::StartRequest(BackupRequestKind kind, const std::string& address) {
    // The request still running must report under its own kind, not under the new one.
    Stop();
    requestKind_.store(kind);
    return Start(address, MakeCookieHeader(serviceCookie_), true);
}

void CBackupServiceClient::OnConnected() {
    CaptureSessionCookie(serviceCookie_);
}

void CBackupServiceClient::OnData(const char* chunk, unsigned long length) {
    responseText_.append(chunk, length);
}

void CBackupServiceClient::OnStart() {
    responseText_.clear();
}

void CBackupServiceClient::OnComplete() {
    int kind = requestKind_.load();
    if (kind == kSummaryRequest) {
        BlogSummaryAnswer answer = ParseBlogSummaryAnswer(responseText_);
        requestKind_.store(answer.result == kBackupSuccess ? kIdleAfterTransfer : kIdleAfterRefusal);
        OnBlogSummary(answer);
    } else if (kind == kListRequest) {
        BlogListAnswer answer = ParseBlogListAnswer(responseText_);
        requestKind_.store(answer.result == kBackupSuccess ? kIdleAfterTransfer : kIdleAfterRefusal);
        OnBlogList(std::move(answer));
    }
}

void CBackupServiceClient::OnError(HttpError) {
    int kind = requestKind_.load();
    if (kind != kSummaryRequest && kind != kListRequest) return;
    requestKind_.store(kIdleAfterTransfer);
    // A default answer is the failed one: result 1, zero summary, empty lists.
    if (kind == kSummaryRequest)
        OnBlogSummary(BlogSummaryAnswer());
    else
        OnBlogList(BlogListAnswer());
}

} // namespace nook
