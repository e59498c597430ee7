// CHttpFetcher against the stand-in service: the order of its notifications for every
// kind of answer, the session cookie, the request it sends, stopping, and what it leaves
// behind.
#include "net/HttpFetcher.h"

#include "platform/Uuid.h"
#include "tests/net/support/ProcessCounts.h"
#include "tests/net/support/StandinService.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace nook {
namespace {

using test::BackupAddress;
using test::LoggedHeader;
using test::LoggedRequests;

constexpr DWORD kPatience = 30000;
constexpr size_t kPoolSlack = 8;

// Records the notifications (a run of OnData as one "data"), the body and, like the
// protocol client, the session cookie.
class CRecordingFetcher : public CHttpFetcher {
public:
    ~CRecordingFetcher() override { Stop(); }

    bool Fetch(const std::string& url, const std::string& headers = std::string()) {
        {
            std::lock_guard<std::mutex> guard(lock_);
            ++started_;
        }
        return Start(url, headers, true);
    }
    // Until every fetch started so far has reported its end.
    bool WaitEnded(DWORD milliseconds = kPatience) {
        std::unique_lock<std::mutex> guard(lock_);
        return ended_.wait_for(guard, std::chrono::milliseconds(milliseconds),
                               [this] { return ends_ >= started_; });
    }

    std::vector<std::string> Events() {
        std::lock_guard<std::mutex> guard(lock_);
        return events_;
    }
    std::string Body() {
        std::lock_guard<std::mutex> guard(lock_);
        return body_;
    }

    std::string cookie;
    bool chunkNotTerminated = false;
    std::vector<DWORD> callbackThreads;

protected:
    void OnStart() override { Note("start"); }
    void OnConnected() override {
        Note("connected");
        CaptureSessionCookie(cookie);
    }
    void OnData(const char* chunk, unsigned long length) override {
        if (chunk[length] != '\0') chunkNotTerminated = true;
        {
            std::lock_guard<std::mutex> guard(lock_);
            body_.append(chunk, length);
        }
        Note("data");
    }
    void OnComplete() override { Note("complete", true); }
    void OnError(HttpError code) override { Note("error " + std::to_string(static_cast<int>(code)), true); }

private:
    void Note(const std::string& event, bool end = false) {
        std::lock_guard<std::mutex> guard(lock_);
        callbackThreads.push_back(GetCurrentThreadId());
        if (!(event == "data" && !events_.empty() && events_.back() == "data")) events_.push_back(event);
        if (end) {
            ++ends_;
            ended_.notify_all();
        }
    }

    std::mutex lock_;
    std::condition_variable ended_;
    int started_ = 0;
    int ends_ = 0;
    std::vector<std::string> events_;
    std::string body_;
};

const std::vector<std::string> kDelivered = {"start", "connected", "data", "complete"};

struct AnswerCase {
    const char* user; // fault users choose how the service answers
    std::vector<std::string> events;
};

TEST(HttpFetcher, EveryAnswerEndsInExactlyOneOutcome) {
    const std::vector<std::string> lost = {"start", "connected", "data", "error 4"};
    const AnswerCase cases[] = {
        {"tester", kDelivered},
        {"fault_chunked", kDelivered},
        {"fault_close", kDelivered},     // no length: the body ends at the close
        {"fault_trickle", kDelivered},   // ten pieces over three seconds
        {"fault_truncated", kDelivered}, // a short answer, but all its announced bytes arrive
        {"fault_html", kDelivered},      // status 500: its body is delivered like any other
        {"fault_empty", {"start", "connected", "complete"}},
        {"fault_drop", lost}, // half the announced length, then the connection closes
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.user);
        std::string probe = platform::NewUuidText();
        CRecordingFetcher fetcher;
        ASSERT_TRUE(fetcher.Fetch(BackupAddress("getbloglist", c.user, "test123", probe)));
        ASSERT_TRUE(fetcher.WaitEnded());
        fetcher.Stop();
        EXPECT_EQ(fetcher.Events(), c.events);
        EXPECT_FALSE(fetcher.chunkNotTerminated);
        std::vector<test::JsonValue> logged = LoggedRequests(probe);
        ASSERT_EQ(logged.size(), 1u);
        if (c.events == kDelivered) {
            EXPECT_EQ(fetcher.Body().size(), static_cast<size_t>(logged[0]["body_bytes"].number));
        }
    }
}

TEST(HttpFetcher, ResetConnectionIsOneFailure) {
    CRecordingFetcher fetcher; // half the body, then the connection is reset
    ASSERT_TRUE(fetcher.Fetch(BackupAddress("getbloglist", "fault_reset", "fault", "reset")));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();
    std::vector<std::string> events = fetcher.Events();
    // Whether the headers and some of the body arrive before the reset is up to the
    // network: the reset ends the open or the read, and either is one failure.
    events.erase(std::remove(events.begin(), events.end(), "data"), events.end());
    EXPECT_THAT(events, ::testing::AnyOf(::testing::ElementsAre("start", "connected", "error 4"),
                                         ::testing::ElementsAre("start", "error 3")));
}

TEST(HttpFetcher, NotifiesOnTheFetchThreadInAsynchronousMode) {
    CRecordingFetcher fetcher;
    ASSERT_TRUE(fetcher.Fetch(BackupAddress("getblogsummary", "tester", "test123", "thread")));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();
    ASSERT_FALSE(fetcher.callbackThreads.empty());
    for (DWORD thread : fetcher.callbackThreads)
        EXPECT_NE(thread, GetCurrentThreadId());
}

TEST(HttpFetcher, SynchronousStartRunsOnTheCallersThread) {
    CRecordingFetcher fetcher;
    EXPECT_TRUE(
        fetcher.Start(BackupAddress("getblogsummary", "tester", "test123", "sync"), std::string(), false));
    EXPECT_EQ(fetcher.Events(), kDelivered);
    for (DWORD thread : fetcher.callbackThreads)
        EXPECT_EQ(thread, GetCurrentThreadId());
}

TEST(HttpFetcher, SessionCookieIsCapturedAndSentBack) {
    std::string probe = platform::NewUuidText();
    CRecordingFetcher fetcher;
    ASSERT_TRUE(fetcher.Fetch(BackupAddress("getblogsummary", "tester", "test123", probe),
                              CHttpFetcher::MakeCookieHeader(fetcher.cookie)));
    ASSERT_TRUE(fetcher.WaitEnded());
    ASSERT_EQ(fetcher.cookie.rfind("ASPSESSIONID", 0), 0u) << fetcher.cookie;
    EXPECT_EQ(fetcher.cookie.find_first_of("; "), std::string::npos) << fetcher.cookie;

    std::string first = fetcher.cookie;
    ASSERT_TRUE(fetcher.Fetch(BackupAddress("getbloglist", "tester", "test123", probe),
                              CHttpFetcher::MakeCookieHeader(fetcher.cookie)));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();
    EXPECT_EQ(fetcher.cookie, first);

    std::vector<test::JsonValue> logged = LoggedRequests(probe);
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(LoggedHeader(logged[0], "Cookie"), "") << "an empty cookie sends no header";
    EXPECT_EQ(logged[0]["set_cookie"].items.size(), 1u);
    EXPECT_EQ(LoggedHeader(logged[1], "Cookie"), first);
    EXPECT_EQ(logged[1]["session_cookie"].text, "returned");
    EXPECT_TRUE(logged[1]["set_cookie"].items.empty());
}

TEST(HttpFetcher, FirstSetCookieThatIsNotTheSessionCookieKeepsTheOldOne) {
    std::string probe = platform::NewUuidText();
    CRecordingFetcher fetcher;
    fetcher.cookie = "ASPSESSIONIDKEEPTHIS=OLDVALUE";
    ASSERT_TRUE(fetcher.Fetch(BackupAddress("getblogsummary", "fault_other_cookie", "fault", probe)));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();
    EXPECT_EQ(fetcher.cookie, "ASPSESSIONIDKEEPTHIS=OLDVALUE");
    std::vector<test::JsonValue> logged = LoggedRequests(probe);
    ASSERT_EQ(logged.size(), 1u);
    ASSERT_EQ(logged[0]["set_cookie"].items.size(), 2u) << "the session cookie comes second";
}

TEST(HttpFetcher, SendsTheBrowserUserAgentAndTheNameAsItsCodePage936Bytes) {
    std::string probe = platform::NewUuidText();
    const std::string name = "\xB6\xB9\xB6\xB9\xC2\xE8\xC2\xE8"; // 豆豆妈妈
    CRecordingFetcher fetcher;
    ASSERT_TRUE(fetcher.Fetch(BackupAddress("getblogsummary", name, "doudou07", probe)));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();
    std::vector<test::JsonValue> logged = LoggedRequests(probe);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_TRUE(logged[0]["user_agent_expected"].boolean) << logged[0]["user_agent"].text;
    EXPECT_EQ(logged[0]["username_hex"].text, "b6b9b6b9c2e8c2e8");
    EXPECT_EQ(logged[0]["result"].text, "0");
    EXPECT_NE(fetcher.Body().find("<Summary"), std::string::npos);
}

TEST(HttpFetcher, UnreachableServerCannotBeOpened) {
    CRecordingFetcher fetcher;
    ASSERT_TRUE(fetcher.Fetch("http://127.0.0.1:1/app/backup/getblogsummary.asp"));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();
    EXPECT_EQ(fetcher.Events(), (std::vector<std::string>{"start", "error 3"}));
}

TEST(HttpFetcher, StopDuringPendingOpenReportsStoppedAtOnce) {
    CRecordingFetcher fetcher; // the service answers after three seconds
    ASSERT_TRUE(fetcher.Fetch(BackupAddress("getblogsummary", "fault_slow", "fault", "slow")));
    Sleep(test::kPendingMoment);
    DWORD before = GetTickCount();
    fetcher.Stop();
    EXPECT_LT(GetTickCount() - before, test::kPromptStop);
    EXPECT_EQ(fetcher.Events(), (std::vector<std::string>{"start", "error 0"}));
}

TEST(HttpFetcher, StopFromAnotherThreadWakesTheFetch) {
    CRecordingFetcher fetcher;
    ASSERT_TRUE(fetcher.Fetch(BackupAddress("getblogsummary", "fault_slow", "fault", "other-thread")));
    Sleep(test::kPendingMoment);
    std::thread stopper([&fetcher] { fetcher.Stop(); });
    ASSERT_TRUE(fetcher.WaitEnded(test::kPromptStop));
    stopper.join();
    fetcher.Stop();
    EXPECT_EQ(fetcher.Events(), (std::vector<std::string>{"start", "error 0"}));
}

TEST(HttpFetcher, StopDuringPendingReadReportsStoppedAndOutlivesTheLateRead) {
    {
        CRecordingFetcher warmUp; // WinInet's own threads and caches settle
        ASSERT_TRUE(warmUp.Fetch(BackupAddress("getblogsummary", "tester", "test123", "warm")));
        ASSERT_TRUE(warmUp.WaitEnded());
    }
    size_t handles = test::ProcessHandleCount();
    {
        CRecordingFetcher fetcher; // ten pieces over three seconds
        ASSERT_TRUE(fetcher.Fetch(BackupAddress("getbloglist", "fault_trickle", "fault", "trickle")));
        for (int i = 0; i < 200 && fetcher.Body().empty(); ++i)
            Sleep(20);
        ASSERT_FALSE(fetcher.Body().empty());
        fetcher.Stop();
        EXPECT_EQ(fetcher.Events(), (std::vector<std::string>{"start", "connected", "data", "error 0"}));
    }
    // The read cut short completes when the service sends its next piece; by then the
    // fetcher is gone, and nothing may be written into it. Afterwards all is released.
    Sleep(3500);
    EXPECT_LE(test::ProcessHandleCount(), handles + kPoolSlack);
}

TEST(HttpFetcher, StartStopsTheFetchStillRunning) {
    CRecordingFetcher fetcher;
    ASSERT_TRUE(fetcher.Fetch(BackupAddress("getblogsummary", "fault_slow", "fault", "restart")));
    Sleep(test::kPendingMoment);
    ASSERT_TRUE(fetcher.Fetch(BackupAddress("getblogsummary", "tester", "test123", "restart")));
    ASSERT_TRUE(fetcher.WaitEnded());
    fetcher.Stop();
    EXPECT_EQ(fetcher.Events(),
              (std::vector<std::string>{"start", "error 0", "start", "connected", "data", "complete"}));
}

TEST(HttpFetcher, RepeatedFetchesLeaveNoHandlesOrThreads) {
    std::string url = BackupAddress("getblogsummary", "tester", "test123", "repeat");
    auto fetchOnce = [&url] {
        CRecordingFetcher fetcher;
        ASSERT_TRUE(fetcher.Fetch(url));
        ASSERT_TRUE(fetcher.WaitEnded());
        fetcher.Stop();
        ASSERT_EQ(fetcher.Events().back(), "complete");
    };
    for (int i = 0; i < 5; ++i)
        fetchOnce(); // WinInet's own threads and caches settle
    size_t handles = test::ProcessHandleCount();
    size_t threads = test::ProcessThreadCount();
    for (int i = 0; i < 200; ++i)
        fetchOnce();
    // WinInet keeps a few connections and worker threads of its own, so the counts move
    // a little; one handle or thread left per fetch would be hundreds.
    EXPECT_LE(test::ProcessHandleCount(), handles + kPoolSlack);
    EXPECT_LE(test::ProcessThreadCount(), threads + kPoolSlack);
}

} // namespace
} // namespace nook
