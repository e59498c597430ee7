// CHttpFileFetcher against the stand-in service: the notices and their order, the file
// it leaves, the address it sends, stopping, and fetches sharing one WinInet session.
#include "net/HttpFileFetcher.h"

#include "net/InternetSession.h"
#include "platform/Files.h"
#include "platform/Uuid.h"
#include "tests/net/support/ConnectionLimits.h"
#include "tests/net/support/StandinService.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace nook {
namespace {

using test::BackupAddress;
using test::LoggedRequests;
using test::ReadAll;
using test::ScratchDir;
using test::StandinUrl;

struct Notice {
    int code;
    std::int64_t total;
    std::int64_t done;
    bool operator==(const Notice& other) const {
        return code == other.code && total == other.total && done == other.done;
    }
};

std::ostream& operator<<(std::ostream& out, const Notice& notice) {
    return out << "(" << notice.code << ", " << notice.total << ", " << notice.done << ")";
}

class CRecordingFileFetcher : public CHttpFileFetcher {
public:
    ~CRecordingFileFetcher() override { Stop(); }

    // Until the fetch has finished or failed.
    bool WaitEnded() {
        std::unique_lock<std::mutex> guard(lock_);
        return ended_.wait_for(guard, std::chrono::seconds(30), [this] { return ends_ > 0; });
    }
    std::vector<Notice> Notices() {
        std::lock_guard<std::mutex> guard(lock_);
        return notices_;
    }
    // The codes, a run of progress notices as one.
    std::vector<int> Codes() {
        std::vector<int> codes;
        for (const Notice& notice : Notices())
            if (!(notice.code == 7 && !codes.empty() && codes.back() == 7)) codes.push_back(notice.code);
        return codes;
    }

protected:
    void OnNotify(FetchNotice code, std::int64_t total, std::int64_t done) override {
        std::lock_guard<std::mutex> guard(lock_);
        notices_.push_back({static_cast<int>(code), total, done});
        if (code == FetchNotice::Finished || code == FetchNotice::Failed) {
            ++ends_;
            ended_.notify_all();
        }
    }

private:
    std::mutex lock_;
    std::condition_variable ended_;
    int ends_ = 0;
    std::vector<Notice> notices_;
};

std::string PhotoUrl(const std::string& name) {
    return StandinUrl("/photos/" + platform::NewUuidText() + "/" + name);
}

std::string ServiceCopy(const std::string& url) {
    std::string body;
    EXPECT_TRUE(test::StandinGet(url.substr(url.find("/photos/")), body));
    return body;
}

TEST(HttpFileFetcher, PhotoIsWrittenWithEveryStepNoticed) {
    std::string url = PhotoUrl("a.jpg");
    std::string path = ScratchDir() + "a.jpg";
    CRecordingFileFetcher fetcher;
    ASSERT_TRUE(fetcher.Start(url, path, true));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();

    std::string photo = ReadAll(path);
    ASSERT_GT(photo.size(), 2u);
    EXPECT_EQ(photo.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(photo, ServiceCopy(url));
    auto size = static_cast<std::int64_t>(photo.size());
    std::vector<Notice> notices = fetcher.Notices();
    ASSERT_GE(notices.size(), 7u);
    const Notice opening[] = {{1, -1, 0}, {2, -1, 0}, {5, -1, 0}, {6, -1, 0}, {7, size, 0}};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(notices[i], opening[i]) << i;
    std::int64_t done = 0;
    for (size_t i = 5; i + 1 < notices.size(); ++i) {
        EXPECT_EQ(notices[i].code, 7);
        EXPECT_EQ(notices[i].total, size);
        EXPECT_GT(notices[i].done, done);
        done = notices[i].done;
    }
    EXPECT_EQ(notices.back(), (Notice{8, size, size}));
}

TEST(HttpFileFetcher, AnswerWithoutLengthReportsTotalMinusOneInEveryProgressNotice) {
    std::string path = ScratchDir() + "answer.xml";
    CRecordingFileFetcher fetcher; // the service closes the connection instead of giving a length
    ASSERT_TRUE(fetcher.Start(BackupAddress("getbloglist", "fault_close", "fault", "close"), path, true));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();

    auto size = static_cast<std::int64_t>(ReadAll(path).size());
    ASSERT_GT(size, 4096) << "more than one chunk";
    EXPECT_EQ(fetcher.Codes(), (std::vector<int>{1, 2, 5, 6, 7, 8}));
    for (const Notice& notice : fetcher.Notices()) {
        if (notice.code == 7) {
            EXPECT_EQ(notice.total, -1) << notice;
        }
    }
    EXPECT_EQ(fetcher.Notices().back(), (Notice{8, -1, size}));
}

TEST(HttpFileFetcher, BlankInAddressIsRequestedAsPercent20AndPercent20IsKept) {
    for (const char* name : {"first steps.jpg", "first%20steps.jpg"}) {
        SCOPED_TRACE(name);
        std::string token = platform::NewUuidText();
        CRecordingFileFetcher fetcher;
        ASSERT_TRUE(
            fetcher.Start(StandinUrl("/photos/" + token + "/" + name), ScratchDir() + "photo.jpg", true));
        ASSERT_TRUE(fetcher.WaitEnded());
        fetcher.Stop();
        std::vector<test::JsonValue> logged = LoggedRequests(token);
        ASSERT_EQ(logged.size(), 1u);
        EXPECT_EQ(logged[0]["raw_target"].text, "/photos/" + token + "/first%20steps.jpg");
        EXPECT_EQ(logged[0]["status"].number, 200);
    }
}

TEST(HttpFileFetcher, ErrorPagesAreWrittenLikePhotos) {
    for (const char* name : {"missing-1.jpg", "broken-1.jpg"}) {
        SCOPED_TRACE(name);
        std::string url = PhotoUrl(name);
        std::string path = ScratchDir() + "photo.jpg";
        CRecordingFileFetcher fetcher;
        ASSERT_TRUE(fetcher.Start(url, path, true));
        ASSERT_TRUE(fetcher.WaitEnded());
        fetcher.Stop();
        EXPECT_EQ(fetcher.Codes(), (std::vector<int>{1, 2, 5, 6, 7, 8}));
        EXPECT_NE(ReadAll(path).find("<html"), std::string::npos);
    }
}

struct AnswerCase {
    const char* what;
    std::string url;
    int status;
    const char* contentType;
    bool lengthAnnounced;
};

TEST(HttpFileFetcher, AnswerTellsStatusTypeLengthsAndTheStartOfTheBody) {
    const AnswerCase cases[] = {
        {"photo", PhotoUrl("a.jpg"), 200, "image/jpeg", true},
        {"not found", PhotoUrl("missing-1.jpg"), 404, "text/html", true},
        {"no length", BackupAddress("getbloglist", "fault_close", "fault", "answer"), 200,
         "text/xml; charset=utf-8", false},
        {"no server", "http://127.0.0.1:1/photos/a.jpg", 0, "", false},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string path = ScratchDir() + "target";
        CRecordingFileFetcher fetcher;
        ASSERT_TRUE(fetcher.Start(c.url, path, true));
        ASSERT_TRUE(fetcher.WaitEnded());
        fetcher.Stop();
        const FetchedAnswer& answer = fetcher.Answer();
        std::string body = ReadAll(path);
        auto size = static_cast<std::int64_t>(body.size());
        EXPECT_EQ(answer.status, c.status);
        EXPECT_EQ(answer.contentType, c.contentType);
        EXPECT_EQ(answer.bodyBytes, size);
        EXPECT_EQ(answer.contentLength, c.lengthAnnounced ? size : -1);
        EXPECT_EQ(answer.bodyStart, body.substr(0, FetchedAnswer::kBodyStartSize));
    }
}

TEST(HttpFileFetcher, AnswerOfABodyCutShortTellsHowMuchArrived) {
    std::string path = ScratchDir() + "dropped.xml";
    CRecordingFileFetcher fetcher; // half of the announced body, then the connection closes
    ASSERT_TRUE(
        fetcher.Start(BackupAddress("getbloglist", "fault_drop", "fault", "answer-drop"), path, true));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();
    const FetchedAnswer& answer = fetcher.Answer();
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.bodyBytes, static_cast<std::int64_t>(ReadAll(path).size()));
    EXPECT_GT(answer.bodyBytes, 0);
    EXPECT_LT(answer.bodyBytes, answer.contentLength);
}

struct FailureCase {
    const char* what;
    std::string url;
    std::string folder; // of the target
    std::vector<int> codes;
};

TEST(HttpFileFetcher, EachFailureIsNoticedOnceAfterWhatWasDone) {
    const FailureCase cases[] = {
        {"no server", "http://127.0.0.1:1/photos/a.jpg", ScratchDir(), {1, 2, 5, 9}},
        {"connection lost mid-body",
         BackupAddress("getbloglist", "fault_drop", "fault", "drop"),
         ScratchDir(),
         {1, 2, 5, 6, 7, 9}},
        {"target cannot be created", PhotoUrl("a.jpg"), ScratchDir() + "no such folder\\", {1, 9}},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        CRecordingFileFetcher fetcher;
        ASSERT_TRUE(fetcher.Start(c.url, c.folder + "target.jpg", true));
        ASSERT_TRUE(fetcher.WaitEnded());
        fetcher.Stop();
        EXPECT_EQ(fetcher.Codes(), c.codes);
        EXPECT_EQ(fetcher.Notices().back(), (Notice{9, 0, 0}));
    }
}

TEST(HttpFileFetcher, StopDuringPendingOpenEndsWithoutFinishedOrFailed) {
    CRecordingFileFetcher fetcher; // the service answers after three seconds
    ASSERT_TRUE(fetcher.Start(BackupAddress("getblogsummary", "fault_slow", "fault", "slow"),
                              ScratchDir() + "slow.xml", true));
    Sleep(test::kPendingMoment);
    DWORD before = GetTickCount();
    fetcher.Stop();
    EXPECT_LT(GetTickCount() - before, test::kPromptStop);
    EXPECT_EQ(fetcher.Codes(), (std::vector<int>{1, 2, 5}));
}

TEST(HttpFileFetcher, ExistingTargetIsReplacedWhole) {
    std::string url = PhotoUrl("b.jpg");
    std::string path = ScratchDir() + "b.jpg";
    ASSERT_TRUE(platform::WriteFileAtomically(path, std::string(100000, 'x')));
    CRecordingFileFetcher fetcher;
    ASSERT_TRUE(fetcher.Start(url, path, true));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();
    EXPECT_EQ(ReadAll(path), ServiceCopy(url));
}

TEST(HttpFileFetcher, SynchronousStartReturnsTheOutcome) {
    CRecordingFileFetcher fetcher;
    EXPECT_TRUE(fetcher.Start(PhotoUrl("c.jpg"), ScratchDir() + "c.jpg", false));
    EXPECT_FALSE(fetcher.Start("http://127.0.0.1:1/c.jpg", ScratchDir() + "d.jpg", false));
    // Only the thread of an asynchronous fetch turns a failure into a notice.
    EXPECT_EQ(fetcher.Codes(), (std::vector<int>{1, 2, 5, 6, 7, 8, 1, 2, 5}));
}

// Fetches on one session run at once, each with its own answer and notices, and a
// stopped one leaves the others and the session to go on.
TEST(HttpFileFetcher, FetchesSharingOneSessionEachGetTheirOwnAnswer) {
    CInternetSession session;
    ASSERT_EQ(session.Open(true), CInternetSession::OpenEnd::Opened);
    constexpr size_t kPhotos = 4;
    std::vector<std::string> urls;
    std::vector<std::string> paths;
    std::vector<std::unique_ptr<CRecordingFileFetcher>> fetchers;
    for (size_t i = 0; i < kPhotos; ++i) {
        urls.push_back(PhotoUrl(std::to_string(i) + ".jpg"));
        paths.push_back(ScratchDir() + std::to_string(i) + ".jpg");
        fetchers.push_back(std::make_unique<CRecordingFileFetcher>());
        fetchers.back()->ShareSession(&session);
    }
    CRecordingFileFetcher slow; // the service answers after three seconds
    slow.ShareSession(&session);
    ASSERT_TRUE(slow.Start(BackupAddress("getblogsummary", "fault_slow", "fault", "shared-slow"),
                           ScratchDir() + "slow.xml", true));
    for (size_t i = 0; i < kPhotos; ++i)
        ASSERT_TRUE(fetchers[i]->Start(urls[i], paths[i], true));
    Sleep(test::kPendingMoment);
    DWORD before = GetTickCount();
    slow.Stop();
    EXPECT_LT(GetTickCount() - before, test::kPromptStop);
    EXPECT_EQ(slow.Codes(), (std::vector<int>{1, 2, 5}));
    for (size_t i = 0; i < kPhotos; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(fetchers[i]->WaitEnded());
        fetchers[i]->Stop();
        EXPECT_EQ(fetchers[i]->Codes(), (std::vector<int>{1, 2, 5, 6, 7, 8}));
        EXPECT_EQ(ReadAll(paths[i]), ServiceCopy(urls[i]));
        EXPECT_EQ(fetchers[i]->Answer().status, 200);
    }
    // The session still serves a fetch after the others have ended.
    CRecordingFileFetcher after;
    after.ShareSession(&session);
    std::string url = PhotoUrl("after.jpg");
    std::string path = ScratchDir() + "after.jpg";
    ASSERT_TRUE(after.Start(url, path, true));
    ASSERT_TRUE(after.WaitEnded());
    after.Stop();
    EXPECT_EQ(ReadAll(path), ServiceCopy(url));
}

// WinInet's limit of connections per server is the process's, for HTTP/1.1 and 1.0 alike.
TEST(HttpFileFetcher, ConnectionsPerServerAreSetForTheProcess) {
    for (unsigned long connections : {6ul, 1ul, 8ul}) {
        SCOPED_TRACE(connections);
        ASSERT_TRUE(CInternetSession::SetConnectionsPerServer(connections));
        test::ConnectionLimits limits;
        ASSERT_TRUE(test::QueryConnectionLimits(limits));
        EXPECT_EQ(limits.perServer, connections);
        EXPECT_EQ(limits.perServer1_0, connections);
    }
}

} // namespace
} // namespace nook
