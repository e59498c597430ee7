// The WinInet side of one fetch, used on the fetch thread only: the session (its own, or
// one it shares with other fetches), the request handle, the completion signal, and the
// open and read steps with their waits. Its handles are closed when the object goes,
// before the signal is let go of; a shared session is left open. The status callback
// stays installed while they close: it reaches the fetch only through the signal table,
// and an operation cut short by the close still has to report its end there to release
// its buffer.
// A stop is always looked at before a failure, so a stopped fetch is never reported as
// a failed one. WinInet (Wine's at least) reports a refused connection as a request that
// completed with an error and an empty body, and a connection lost mid-body as the end of
// the body: both are failures here, or a photo would be stored empty or cut off.
#pragma once

#include "framework/InternetHandle.h"
#include "net/FetchControl.h"
#include "net/InternetSession.h"
#include "net/TransferSignal.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace nook {

// The browser-like user agent every request presents.
extern const wchar_t kFetchUserAgent[];

class CInternetTransfer {
public:
    enum class Outcome { Done, Failed, Stopped };
    // How Open ended: opened, stopped, or the step that failed.
    enum class OpenEnd { Opened, Stopped, InternetFailed, CallbackFailed, UrlFailed };

    // Without `shared`, the transfer opens a session of its own; a shared one must be open
    // in the same mode and outlive the transfer.
    CInternetTransfer(CFetchControl& control, bool async, const CInternetSession* shared = nullptr);
    ~CInternetTransfer();
    CInternetTransfer(const CInternetTransfer&) = delete;
    CInternetTransfer& operator=(const CInternetTransfer&) = delete;

    // Opens a WinInet session with the status callback (asynchronous mode) unless it
    // shares one, makes the completion signal a Stop can wake, calls `ready` (when set)
    // and opens `url` (code page 936 text; bytes above 126 go out percent-encoded, so the
    // server receives exactly these bytes whatever the system's code page). `headers` may
    // be empty. A stop is looked at before the signal is made and after the open.
    OpenEnd Open(const std::string& url, const std::string& headers, const std::function<void()>& ready = {});

    // The Content-Length of the open request, or -1 when the answer gives none.
    std::int64_t ContentLength() const { return contentLength_; }
    // The HTTP status of the open request; 0 without one.
    int StatusCode() const;

    // The next piece of the body, zero-terminated, in `chunk`; empty at the end. The end
    // of a body shorter than its Content-Length is a failure.
    Outcome Read(std::string_view& chunk);

    // A response header of the open request; false when there is no request, the header
    // is absent, or on any other error.
    bool QueryHeader(DWORD infoLevel, std::string& text) const;

private:
    HINTERNET Session() const { return shared_ ? shared_->Handle() : own_.Handle(); }
    // Makes the completion signal and lets a Stop wake it; false when that fails.
    bool ArmSignal();
    OpenEnd OpenUrl(const std::string& url, const std::string& headers);
    // Called after an operation answered ERROR_IO_PENDING.
    void AwaitCompletion();

    CFetchControl& control_;
    const bool async_;
    const CInternetSession* const shared_; // not owned; null: own_ is used
    CInternetSession own_;
    CInternetHandle request_;
    std::shared_ptr<CTransferSignal> signal_; // shared with the callback table
    std::int64_t contentLength_ = -1;
    std::int64_t received_ = 0;
};

} // namespace nook
