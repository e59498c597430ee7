#include "net/InternetTransfer.h"

#include "net/PercentEncoding.h"
#include "platform/win32/WideText.h"

#include <cstdlib>
#include <vector>

namespace nook {

const wchar_t kFetchUserAgent[] =
    L"Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1; .NET CLR 2.0.50727; .NET CLR 1.1.4322; "
    L".NET CLR 3.0.04506.648; .NET CLR 3.5.21022; InfoPath.1)";

namespace {

// Reload, never write the cache, leave cookies to the caller.
constexpr DWORD kOpenFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES;

// The W call gets pure ASCII, so the server receives the code page 936 bytes themselves
// rather than what the system's code page makes of them. Blanks and everything else go
// unchanged (WinInet escapes blanks itself).
std::wstring WireAddress(const std::string& url) {
    return platform::ToWide(PercentEncodeOutside(url, 0, 126));
}

} // namespace

CInternetTransfer::CInternetTransfer(CFetchControl& control, bool async, const CInternetSession* shared)
    : control_(control), async_(async), shared_(shared) {}

CInternetTransfer::~CInternetTransfer() {
    // By hand: the members would go after the signal is retired.
    request_.Reset();
    own_.Close();
    if (signal_) {
        control_.Unwatch();
        signal_->Retire();
    }
}

CInternetTransfer::OpenEnd CInternetTransfer::Open(const std::string& url, const std::string& headers,
                                                   const std::function<void()>& ready) {
    if (!shared_) {
        switch (own_.Open(async_)) {
        case CInternetSession::OpenEnd::NoSession:
            return OpenEnd::InternetFailed;
        case CInternetSession::OpenEnd::NoCallback:
            return OpenEnd::CallbackFailed;
        case CInternetSession::OpenEnd::Opened:
            break;
        }
    }
    if (control_.StopRequested()) return OpenEnd::Stopped;
    if (!ArmSignal()) return OpenEnd::CallbackFailed;
    if (ready) ready();
    return OpenUrl(url, headers);
}

bool CInternetTransfer::ArmSignal() {
    signal_ = CTransferSignal::Create();
    if (!signal_) return false;
    control_.Watch(signal_);
    return true;
}

void CInternetTransfer::AwaitCompletion() {
    // A stop requested before the signal was watched is seen here; a later one wakes the wait.
    if (!control_.StopRequested()) signal_->Wait();
}

CInternetTransfer::OpenEnd CInternetTransfer::OpenUrl(const std::string& url, const std::string& headers) {
    std::wstring wideUrl = WireAddress(url);
    std::wstring wideHeaders = platform::ToWide(headers);
    signal_->BeginOperation();
    HINTERNET opened =
        InternetOpenUrlW(Session(), wideUrl.c_str(), wideHeaders.empty() ? nullptr : wideHeaders.c_str(),
                         static_cast<DWORD>(wideHeaders.size()), kOpenFlags, signal_->Context());
    bool pending = !opened && GetLastError() == ERROR_IO_PENDING;
    if (pending)
        AwaitCompletion();
    else
        signal_->CompletedAtOnce();
    request_.Reset(opened ? opened : signal_->Request());
    if (control_.StopRequested()) return OpenEnd::Stopped;
    // A request that completed with an error (no connection, no answer) has no body to read.
    if (!request_ || (pending && signal_->CompletionError() != ERROR_SUCCESS)) return OpenEnd::UrlFailed;
    std::string length;
    if (QueryHeader(HTTP_QUERY_CONTENT_LENGTH, length))
        contentLength_ = std::strtoll(length.c_str(), nullptr, 10);
    return OpenEnd::Opened;
}

CInternetTransfer::Outcome CInternetTransfer::Read(std::string_view& chunk) {
    INTERNET_BUFFERSA& record = signal_->ReadRecord();
    record.lpvBuffer = signal_->Buffer();
    record.dwBufferLength = CTransferSignal::kReadSize;
    signal_->BeginOperation();
    bool done = InternetReadFileExA(request_.Get(), &record, async_ ? IRF_ASYNC : IRF_SYNC,
                                    signal_->Context()) != FALSE;
    bool pending = !done && GetLastError() == ERROR_IO_PENDING;
    if (pending)
        AwaitCompletion();
    else
        signal_->CompletedAtOnce();
    if (control_.StopRequested()) return Outcome::Stopped;
    if (!done && !(pending && signal_->CompletionError() == ERROR_SUCCESS)) return Outcome::Failed;
    DWORD length = record.dwBufferLength;
    // A connection that ends before the announced length is a failed transfer, not a
    // shorter body.
    if (length == 0 && contentLength_ >= 0 && received_ < contentLength_) return Outcome::Failed;
    received_ += length;
    signal_->Buffer()[length] = '\0';
    chunk = std::string_view(signal_->Buffer(), length);
    return Outcome::Done;
}

int CInternetTransfer::StatusCode() const {
    std::string status;
    if (!QueryHeader(HTTP_QUERY_STATUS_CODE, status)) return 0;
    return static_cast<int>(std::strtol(status.c_str(), nullptr, 10));
}

bool CInternetTransfer::QueryHeader(DWORD infoLevel, std::string& text) const {
    if (!request_) return false;
    DWORD bytes = 0;
    if (!HttpQueryInfoW(request_.Get(), infoLevel, nullptr, &bytes, nullptr) &&
        GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return false;
    std::vector<wchar_t> value(bytes / sizeof(wchar_t) + 1);
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (!HttpQueryInfoW(request_.Get(), infoLevel, value.data(), &bytes, nullptr)) return false;
    text = platform::FromWide(std::wstring_view(value.data(), bytes / sizeof(wchar_t)));
    return true;
}

} // namespace nook
