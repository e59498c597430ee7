#include "net/HttpFetcher.h"

#include "net/InternetTransfer.h"
#include "net/SessionCookie.h"

namespace nook {

namespace {

// What an open that did not open reports.
HttpError OpenError(CInternetTransfer::OpenEnd end) {
    switch (end) {
    case CInternetTransfer::OpenEnd::InternetFailed:
        return HttpError::InternetOpenFailed;
    case CInternetTransfer::OpenEnd::CallbackFailed:
        return HttpError::CallbackFailed;
    case CInternetTransfer::OpenEnd::UrlFailed:
        return HttpError::UrlOpenFailed;
    case CInternetTransfer::OpenEnd::Opened:
    case CInternetTransfer::OpenEnd::Stopped:
        break;
    }
    return HttpError::Stopped;
}

} // namespace

CHttpFetcher::~CHttpFetcher() {
    Stop();
}

bool CHttpFetcher::Start(const std::string& url, const std::string& headers, bool async) {
    Stop();
    url_ = url;
    headers_ = headers;
    async_ = async;
    control_.Clear();
    if (!async) return Run();
    return control_.Launch([this] { Run(); });
}

void CHttpFetcher::Stop() {
    control_.Stop();
}

bool CHttpFetcher::Run() {
    if (control_.StopRequested()) {
        OnError(HttpError::Stopped);
        return true;
    }
    OnStart();
    CInternetTransfer transfer(control_, async_);
    // Headers can be queried from the moment the request is open until the handles close.
    transfer_ = &transfer;
    struct Unpublish {
        CInternetTransfer*& slot;
        ~Unpublish() { slot = nullptr; }
    } unpublish{transfer_};
    const CInternetTransfer::OpenEnd opened = transfer.Open(url_, headers_);
    if (opened != CInternetTransfer::OpenEnd::Opened) {
        const HttpError error = OpenError(opened);
        OnError(error);
        return error == HttpError::Stopped;
    }
    OnConnected();
    for (;;) {
        std::string_view chunk;
        CInternetTransfer::Outcome outcome = transfer.Read(chunk);
        if (outcome != CInternetTransfer::Outcome::Done) {
            bool stopped = outcome == CInternetTransfer::Outcome::Stopped;
            OnError(stopped ? HttpError::Stopped : HttpError::ReadFailed);
            return stopped;
        }
        if (chunk.empty()) break;
        OnData(chunk.data(), static_cast<unsigned long>(chunk.size()));
    }
    OnComplete();
    return true;
}

bool CHttpFetcher::QueryHeader(unsigned long infoLevel, std::string& text) {
    return transfer_ && transfer_->QueryHeader(infoLevel, text);
}

bool CHttpFetcher::CaptureSessionCookie(std::string& cookie) {
    std::string setCookie;
    return QueryHeader(HTTP_QUERY_SET_COOKIE, setCookie) && ExtractSessionCookie(setCookie, cookie);
}

std::string CHttpFetcher::MakeCookieHeader(const std::string& cookie) {
    static const char kBlanks[] = " \t\r\n";
    size_t first = cookie.find_first_not_of(kBlanks);
    if (first == std::string::npos) return std::string();
    size_t last = cookie.find_last_not_of(kBlanks);
    return "Cookie: " + cookie.substr(first, last - first + 1);
}

} // namespace nook
