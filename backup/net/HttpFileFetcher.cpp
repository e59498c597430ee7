#include "net/HttpFileFetcher.h"

#include "net/InternetTransfer.h"
#include "net/PercentEncoding.h"
#include "platform/Files.h"
#include "util/FileHandle.h"

#include <cstdio>

namespace nook {

namespace {

// The target file; closed when it goes, or earlier by Close, which tells whether every
// byte reached the disk.
class CTargetFile {
public:
    explicit CTargetFile(const std::string& path) : file_(platform::OpenFile(path, "wb")) {}

    bool IsOpen() const { return static_cast<bool>(file_); }
    bool Write(std::string_view bytes) {
        return std::fwrite(bytes.data(), 1, bytes.size(), file_.Get()) == bytes.size();
    }
    // By hand, for fclose's result: the owner's close drops it.
    bool Close() {
        std::FILE* file = file_.Release();
        return !file || std::fclose(file) == 0;
    }

private:
    CFileHandle file_;
};

} // namespace

CHttpFileFetcher::~CHttpFileFetcher() {
    Stop();
}

std::string CHttpFileFetcher::PercentEncodeUrl(const std::string& url) {
    return PercentEncodeOutside(url, 33, 126);
}

bool CHttpFileFetcher::Start(const std::string& url, const std::string& filePath, bool async) {
    Stop();
    url_ = url;
    filePath_ = filePath;
    async_ = async;
    answer_ = FetchedAnswer();
    control_.Clear();
    if (!async) return Run();
    return control_.Launch([this] {
        if (!Run()) OnNotify(FetchNotice::Failed, 0, 0);
    });
}

void CHttpFileFetcher::Stop() {
    control_.Stop();
}

void CHttpFileFetcher::KeepBodyStart(std::string_view chunk) {
    std::string& start = answer_.bodyStart;
    if (start.size() < FetchedAnswer::kBodyStartSize)
        start.append(chunk.substr(0, FetchedAnswer::kBodyStartSize - start.size()));
}

bool CHttpFileFetcher::Run() {
    OnNotify(FetchNotice::Started, -1, 0);
    if (control_.StopRequested()) return true;
    CTargetFile file(filePath_);
    if (!file.IsOpen()) return false;
    if (control_.StopRequested()) return true;
    OnNotify(FetchNotice::FileCreated, -1, 0);
    CInternetTransfer transfer(control_, async_, async_ ? session_ : nullptr);
    const CInternetTransfer::OpenEnd opened = transfer.Open(PercentEncodeUrl(url_), std::string(), [this] {
        OnNotify(FetchNotice::InternetReady, -1, 0);
    });
    if (opened != CInternetTransfer::OpenEnd::Opened) return opened == CInternetTransfer::OpenEnd::Stopped;
    answer_.status = transfer.StatusCode();
    transfer.QueryHeader(HTTP_QUERY_CONTENT_TYPE, answer_.contentType);
    answer_.contentLength = transfer.ContentLength();
    OnNotify(FetchNotice::UrlOpened, -1, 0);
    std::int64_t total = transfer.ContentLength();
    if (total >= 0) OnNotify(FetchNotice::Progress, total, 0);
    std::int64_t done = 0;
    for (;;) {
        std::string_view chunk;
        const CInternetTransfer::Outcome outcome = transfer.Read(chunk);
        if (outcome != CInternetTransfer::Outcome::Done)
            return outcome == CInternetTransfer::Outcome::Stopped;
        if (chunk.empty()) break;
        // A short write would leave a damaged photo that looks complete.
        if (!file.Write(chunk)) return false;
        done += static_cast<std::int64_t>(chunk.size());
        KeepBodyStart(chunk);
        answer_.bodyBytes = done;
        OnNotify(FetchNotice::Progress, total, done);
    }
    if (!file.Close()) return false;
    OnNotify(FetchNotice::Finished, total, done);
    return true;
}

} // namespace nook
