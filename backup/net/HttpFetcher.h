// Fetches one URL over HTTP on a thread of its own and hands the body to the subclass
// chunk by chunk. No time-outs, retries or status checks: the body of any answer is
// delivered. WinInet's cache and cookie store are bypassed; the service's session cookie
// is captured and sent back by hand (CaptureSessionCookie, MakeCookieHeader).
//
// All notifications run on the fetch thread. A subclass whose overrides must not run
// while it is being destroyed calls Stop in its own destructor.
#pragma once

#include "net/FetchControl.h"

#include <string>

namespace nook {

class CInternetTransfer;

enum class HttpError {
    Stopped = 0,            // stopped on request
    InternetOpenFailed = 1, // no WinInet session
    CallbackFailed = 2,     // the status callback cannot be installed
    UrlOpenFailed = 3,      // the URL cannot be opened
    ReadFailed = 4,         // a read failed
};

class CHttpFetcher {
public:
    CHttpFetcher() = default;
    CHttpFetcher(const CHttpFetcher&) = delete;
    CHttpFetcher& operator=(const CHttpFetcher&) = delete;

    // Stops any fetch still running, then fetches `url` sending `headers` (may be empty).
    // Asynchronous: whether the fetch thread could be started. Synchronous: runs the
    // fetch on this thread and returns its result.
    bool Start(const std::string& url, const std::string& headers, bool async);

    // Any thread but the fetch thread; waits until the fetch thread has ended.
    void Stop();

    // On the fetch thread, once connected. False without an open request, when the
    // header is absent or on an error.
    bool QueryHeader(unsigned long infoLevel, std::string& text);

    // Takes the session cookie (name=value) from the answer's first Set-Cookie header;
    // leaves `cookie` alone and returns false when that header holds none.
    bool CaptureSessionCookie(std::string& cookie);

    // "Cookie: name=value", or empty text for an empty cookie.
    static std::string MakeCookieHeader(const std::string& cookie);

protected:
    // The request is open; response headers can be queried.
    virtual void OnConnected() {}
    // One piece of the body; chunk[length] is zero.
    virtual void OnData(const char* chunk, unsigned long length) {
        (void)chunk;
        (void)length;
    }
    // First of all, before anything is opened.
    virtual void OnStart() {}
    // The whole body has been delivered.
    virtual void OnComplete() {}
    // The fetch ended early.
    virtual void OnError(HttpError code) { (void)code; }

public:
    virtual ~CHttpFetcher();

private:
    bool Run();

    CFetchControl control_;
    CInternetTransfer* transfer_ = nullptr; // the running fetch's, during Run only; not owned
    std::string url_;
    std::string headers_;
    bool async_ = true;
};

} // namespace nook
