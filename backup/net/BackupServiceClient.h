// The client of the backup service: starts the two requests and turns each answer into
// exactly one notification, OnBlogSummary or OnBlogList, on the transfer thread. The
// service's session cookie is captured from every answer that sets it and sent back with
// every request.
#pragma once

#include "net/HttpFetcher.h"

#include "service/BackupAnswer.h"
#include "service/RequestAddress.h"

#include <atomic>
#include <string>

namespace nook {

class CBackupServiceClient : public CHttpFetcher {
public:
    CBackupServiceClient() = default;
    ~CBackupServiceClient() override;

    // The host (and port) the requests go to, as configured.
    void SetServiceHost(const std::string& host) { serviceHost_ = host; }

    // Start one request each; the result is whether the transfer could be started. A
    // request still running is stopped first (and reports its own failure).
    bool GetBlogSummary(const BackupRequest& request);
    bool GetBlogList(const BackupRequest& request);

    // kSummaryRequest or kListRequest while one is under way; 3 after a success or a
    // transfer failure, 0 after a refused or malformed answer.
    int RequestKind() const { return requestKind_.load(); }
    const std::string& ServiceCookie() const { return serviceCookie_; }

protected:
    void OnConnected() override;
    void OnData(const char* chunk, unsigned long length) override;
    void OnStart() override;
    void OnComplete() override;
    void OnError(HttpError code) override;

    // Once per summary request, on the transfer thread.
    virtual void OnBlogSummary(BlogSummaryAnswer answer) { (void)answer; }
    // Once per list request, on the transfer thread; the records are the receiver's.
    virtual void OnBlogList(BlogListAnswer answer) { (void)answer; }

private:
    static constexpr int kIdleAfterTransfer = 3;
    static constexpr int kIdleAfterRefusal = 0;

    bool StartRequest(BackupRequestKind kind, const std::string& address);

    std::atomic<int> requestKind_{kIdleAfterTransfer};
    std::string serviceHost_;
    std::string
        serviceCookie_; // name=value; written on the transfer thread, read when the next request starts
    std::string responseText_; // transfer thread only
};

} // namespace nook
