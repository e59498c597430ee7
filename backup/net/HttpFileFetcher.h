// Fetches one URL over HTTP on a thread of its own into a file, reporting each step
// through OnNotify. Used for photos. As with CHttpFetcher, the body of any answer is
// written, whatever its status; a partly written file stays for the caller to remove.
// What the answer was (status, type, lengths) is kept for the caller to judge.
//
// All notices come on the fetch thread. A subclass whose override must not run while it
// is being destroyed calls Stop in its own destructor.
#pragma once

#include "net/FetchControl.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nook {

class CInternetSession;

enum class FetchNotice {
    Started = 1,
    FileCreated = 2,
    InternetReady = 5,
    UrlOpened = 6,
    Progress = 7, // total: the Content-Length or -1; done: bytes written so far
    Finished = 8, // total, done
    Failed = 9,   // 0, 0
};

// What came back, as far as the fetch got.
struct FetchedAnswer {
    static constexpr size_t kBodyStartSize = 16;

    int status = 0;          // 0 until an answer arrived
    std::string contentType; // the Content-Type header as sent; empty without one
    std::string bodyStart;   // the first bytes of the body, at most kBodyStartSize
    std::int64_t bodyBytes = 0;      // written to the file
    std::int64_t contentLength = -1; // -1 when the answer announced none
};

class CHttpFileFetcher {
public:
    CHttpFileFetcher() = default;
    CHttpFileFetcher(const CHttpFileFetcher&) = delete;
    CHttpFileFetcher& operator=(const CHttpFileFetcher&) = delete;

    // Stops any fetch still running, then fetches `url` into `filePath` (created or
    // truncated). Asynchronous: whether the fetch thread could be started; a failure
    // then ends in FetchNotice::Failed, a stop in neither Finished nor Failed.
    // Synchronous: runs the fetch on this thread and returns its result.
    bool Start(const std::string& url, const std::string& filePath, bool async);

    // Any thread but the fetch thread; waits until the fetch thread has ended.
    void Stop();

    // Asynchronous fetches started after this open their request from `session` (open
    // and asynchronous, outliving them) instead of a session of their own; null undoes it.
    void ShareSession(const CInternetSession* session) { session_ = session; }

    // Written by the fetch thread before it reports Finished or Failed, cleared by Start.
    // Read it from OnNotify for those two, after the synchronous Start returned, or after
    // Stop; never while a fetch runs.
    const FetchedAnswer& Answer() const { return answer_; }

    // Bytes below 33 or above 126 become "%XX" (upper-case hex); all others, "%" too, stay.
    static std::string PercentEncodeUrl(const std::string& url);

protected:
    virtual void OnNotify(FetchNotice code, std::int64_t total, std::int64_t done) {
        (void)code;
        (void)total;
        (void)done;
    }

public:
    virtual ~CHttpFileFetcher();

private:
    bool Run();
    void KeepBodyStart(std::string_view chunk);

    CFetchControl control_;
    const CInternetSession* session_ = nullptr; // not owned
    FetchedAnswer answer_;
    std::string url_;
    std::string filePath_;
    bool async_ = true;
};

} // namespace nook
