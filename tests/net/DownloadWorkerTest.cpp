// CDownloadWorker against the stand-in service and canned answers of the test's own: the
// outcome of each photo, the progress messages, the files it leaves, the silence limit,
// the photos in flight at once, the tries again, stopping, and what a long pass leaves
// behind. Photos are handled in the order they finish, so the photos of a pass are
// compared by index, and its messages by their shares and their number of stored photos.
#include "net/DownloadWorker.h"

#include "platform/Files.h"
#include "platform/Uuid.h"
#include "tests/net/support/CannedServer.h"
#include "tests/net/support/ConnectionLimits.h"
#include "tests/net/support/MessageWindow.h"
#include "tests/net/support/ProcessCounts.h"
#include "tests/net/support/StandinService.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <iterator>
#include <mutex>
#include <ostream>

namespace nook {
namespace {

using test::LoggedRequests;
using test::PostedMessage;
using test::ReadAll;
using test::StandinUrl;

constexpr UINT kProgress = WM_USER + 2;
constexpr DWORD kPatience = 60000;
// Longer than any answer of the tests that are not about silence.
constexpr int kLongSilence = 30;
// The default of config.xml.
constexpr int kConnections = 4;
// The pauses before the second and the third try.
constexpr DWORD kFirstPause = 1000;
constexpr DWORD kBothPauses = 4000;
// What a timer may be early by.
constexpr DWORD kClockSlack = 50;

struct Handled {
    size_t index;
    PhotoResult result;
    std::string error;
    DWORD at = 0; // GetTickCount when the sink was told; not compared
    bool operator==(const Handled& other) const {
        return index == other.index && result == other.result && error == other.error;
    }
};

std::ostream& operator<<(std::ostream& out, const Handled& handled) {
    const char* results[] = {"Stored", "Missing", "Failed"};
    return out << "(" << handled.index << ", " << results[static_cast<int>(handled.result)] << ", \""
               << handled.error << "\")";
}

class CRecordingSink : public IPhotoPassSink {
public:
    void OnPhotoHandled(size_t index, const PhotoOutcome& outcome) override {
        // One photo at a time: a second call under way would find the flag set.
        EXPECT_FALSE(inside_.exchange(true)) << "the sink was called twice at once";
        Sleep(1);
        {
            std::lock_guard<std::mutex> guard(lock_);
            handled_.push_back({index, outcome.result, outcome.error, GetTickCount()});
        }
        inside_.store(false);
    }
    void OnPassEnded() override {
        std::lock_guard<std::mutex> guard(lock_);
        ++ends_;
    }
    // In the order they were handled.
    std::vector<Handled> HandledPhotos() {
        std::lock_guard<std::mutex> guard(lock_);
        return handled_;
    }
    std::vector<Handled> HandledByIndex() {
        std::vector<Handled> handled = HandledPhotos();
        std::sort(handled.begin(), handled.end(),
                  [](const Handled& a, const Handled& b) { return a.index < b.index; });
        return handled;
    }
    int Ends() {
        std::lock_guard<std::mutex> guard(lock_);
        return ends_;
    }

private:
    std::atomic<bool> inside_{false};
    std::mutex lock_;
    std::vector<Handled> handled_;
    int ends_ = 0;
};

enum class Source {
    Photo,
    NotFound,
    Broken,
    HtmlPage,
    Markup,
    Empty,
    CutShort,
    Dropped,
    Unreachable,
    Silent
};

// A photo-like body: the JPEG start, then filler.
std::string PhotoBody(size_t size) {
    std::string body(size, 'p');
    body[0] = '\xFF';
    body[1] = '\xD8';
    return body;
}

std::string HtmlPageAnswer() {
    // A login page as a portal sends it, with status 200; the blank line before "<html"
    // leaves only the type to give it away.
    std::string page = "\r\n<html><body>\xC7\xEB\xB5\xC7\xC2\xBC</body></html>"; // 请登录
    return test::AnswerHead("200 OK", "Text/HTML; charset=gb2312", static_cast<std::int64_t>(page.size())) +
           page;
}

std::string CutShortAnswer() {
    return test::AnswerHead("200 OK", "image/jpeg", 6000) + PhotoBody(3000);
}

// Where each source's photo comes from. Photo addresses get a folder of their own, so
// parallel tests never share one; the fault users' requests are answered by their name.
class CPhotoSources {
public:
    std::string Address(Source source) const {
        std::string folder = "/photos/" + platform::NewUuidText() + "/";
        switch (source) {
        case Source::Photo:
            return StandinUrl(folder + "p.jpg");
        case Source::NotFound:
            return StandinUrl(folder + "missing.jpg");
        case Source::Broken:
            return StandinUrl(folder + "broken.jpg");
        case Source::HtmlPage:
            return htmlPage_.Url("/p.jpg");
        case Source::Markup: // an XML answer of status 200
            return test::BackupAddress("getblogsummary", "tester", "test123", "worker-markup");
        case Source::Empty:
            return test::BackupAddress("getbloglist", "fault_empty", "fault", "worker-empty");
        case Source::CutShort:
            return cutShort_.Url("/p.jpg");
        case Source::Dropped:
            return test::BackupAddress("getbloglist", "fault_drop", "fault", "worker-drop");
        case Source::Unreachable:
            return "http://127.0.0.1:1/p.jpg";
        case Source::Silent:
            return test::BackupAddress("getbloglist", "fault_hang", "fault",
                                       "worker-hang-" + platform::NewUuidText());
        }
        return std::string();
    }

    std::vector<DownloadItem> Items(const std::vector<Source>& sources, const std::string& folder) const {
        std::vector<DownloadItem> items;
        for (size_t i = 0; i < sources.size(); ++i)
            items.push_back(
                {static_cast<int32_t>(i), Address(sources[i]), folder + std::to_string(i) + ".jpg"});
        return items;
    }

private:
    test::CCannedServer htmlPage_{{HtmlPageAnswer()}, 0};
    test::CCannedServer cutShort_{{CutShortAnswer()}, 0};
};

// One message per photo: wParam 1 if stored, lParam the share handled.
std::vector<PostedMessage> ProgressOf(const std::vector<bool>& stored) {
    std::vector<PostedMessage> messages;
    for (size_t i = 0; i < stored.size(); ++i)
        messages.push_back({stored[i] ? 1u : 0u, static_cast<LPARAM>((i + 1) * 100 / stored.size())});
    return messages;
}

// The messages with their wParams sorted, stored first: when photos finish in any order,
// only the shares in order and the number of stored photos are fixed.
std::vector<PostedMessage> StoredFirst(std::vector<PostedMessage> messages) {
    std::vector<WPARAM> stored;
    for (const PostedMessage& message : messages)
        stored.push_back(message.wParam);
    std::sort(stored.begin(), stored.end(), std::greater<WPARAM>());
    for (size_t i = 0; i < messages.size(); ++i)
        messages[i].wParam = stored[i];
    return messages;
}

// A message after each photo, in the order the sink was told of them.
void ExpectProgressInHandledOrder(const std::vector<PostedMessage>& messages,
                                  const std::vector<Handled>& handled, size_t photos) {
    ASSERT_EQ(messages.size(), handled.size());
    for (size_t i = 0; i < messages.size(); ++i) {
        EXPECT_EQ(messages[i].lParam, static_cast<LPARAM>((i + 1) * 100 / photos)) << i;
        EXPECT_EQ(messages[i].wParam, handled[i].result == PhotoResult::Stored ? 1u : 0u) << i;
    }
}

// The number of the stand-in's requests whose target holds `token`, once there are
// `count` of them or `milliseconds` have passed.
size_t WaitForRequests(const std::string& token, size_t count, DWORD milliseconds) {
    DWORD start = GetTickCount();
    size_t found = LoggedRequests(token).size();
    while (found < count && GetTickCount() - start < milliseconds) {
        Sleep(50);
        found = LoggedRequests(token).size();
    }
    return found;
}

// The probe a service address carries, to find its requests in the log.
std::string ProbeOf(const std::string& url) {
    return url.substr(url.find("probe=") + 6);
}

// Stop ends the pass at once, and nothing of it is reported but its end.
void ExpectPromptStopReportingNothing(CDownloadWorker& worker, test::CMessageWindow& window,
                                      CRecordingSink& sink) {
    DWORD before = GetTickCount();
    worker.Stop();
    EXPECT_LT(GetTickCount() - before, test::kPromptStop);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_TRUE(window.CollectFor(kProgress, 500).empty());
    EXPECT_TRUE(sink.HandledPhotos().empty());
    EXPECT_EQ(sink.Ends(), 1);
}

// Only stored photos leave a file, and no photo leaves its temporary file.
void ExpectFilesOfStoredPhotosOnly(const std::vector<DownloadItem>& items, const std::vector<bool>& stored) {
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(platform::FileExists(items[i].localPath), stored[i]) << i;
        EXPECT_FALSE(platform::FileExists(items[i].localPath + ".Tmp")) << i;
        if (stored[i]) {
            EXPECT_EQ(ReadAll(items[i].localPath).substr(0, 2), "\xFF\xD8") << i;
        }
    }
}

struct PassCase {
    const char* what;
    std::vector<Source> sources;
    std::vector<PostedMessage> messages; // wParams sorted, stored first
};

TEST(DownloadWorker, PostsProgressAfterEachPhotoAndStoresOnlyPhotos) {
    const PassCase cases[] = {
        {"three photos", {Source::Photo, Source::Photo, Source::Photo}, {{1, 33}, {1, 66}, {1, 100}}},
        {"four photos",
         {Source::Photo, Source::Photo, Source::Photo, Source::Photo},
         {{1, 25}, {1, 50}, {1, 75}, {1, 100}}},
        {"unreachable host", {Source::Unreachable}, {{0, 100}}},
        {"mixed", {Source::Photo, Source::Dropped, Source::NotFound}, {{1, 33}, {0, 66}, {0, 100}}},
    };
    CPhotoSources sources;
    for (const PassCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<DownloadItem> items = sources.Items(c.sources, test::ScratchDir());
        test::CMessageWindow window;
        CDownloadWorker worker;
        ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, nullptr, kLongSilence, kConnections));
        EXPECT_EQ(StoredFirst(window.CollectUntil(kProgress, 100, kPatience)), c.messages);
        EXPECT_TRUE(window.CollectFor(kProgress, 300).empty()) << "a message after the 100";
        worker.Stop();
        std::vector<bool> stored;
        for (Source source : c.sources)
            stored.push_back(source == Source::Photo);
        ExpectFilesOfStoredPhotosOnly(items, stored);
    }
}

struct OutcomeCase {
    Source source;
    PhotoResult result;
    const char* error;
};

TEST(DownloadWorker, EachPhotoIsReportedWithItsOutcomeBeforeItsMessage) {
    const OutcomeCase cases[] = {
        {Source::Photo, PhotoResult::Stored, ""},
        {Source::NotFound, PhotoResult::Missing, "HTTP 404"},
        {Source::Broken, PhotoResult::Failed, "HTTP 500"},
        {Source::HtmlPage, PhotoResult::Failed, "HTML page"},
        {Source::Markup, PhotoResult::Failed, "HTML page"},
        {Source::Empty, PhotoResult::Failed, "empty"},
        {Source::CutShort, PhotoResult::Failed, "cut short"},
        {Source::Unreachable, PhotoResult::Failed, "connection failed"},
        {Source::Photo, PhotoResult::Stored, ""}, // the pass goes on after every failure
    };
    std::vector<Source> sources;
    std::vector<Handled> expected;
    std::vector<bool> stored;
    for (const OutcomeCase& c : cases) {
        expected.push_back({sources.size(), c.result, c.error});
        sources.push_back(c.source);
        stored.push_back(c.result == PhotoResult::Stored);
    }
    CPhotoSources photoSources;
    std::vector<DownloadItem> items = photoSources.Items(sources, test::ScratchDir());
    CRecordingSink sink;
    test::CMessageWindow window;
    CDownloadWorker worker;
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kLongSilence, kConnections));
    std::vector<PostedMessage> messages = window.CollectUntil(kProgress, 100, kPatience);
    worker.Stop();
    EXPECT_EQ(sink.HandledByIndex(), expected);
    ExpectProgressInHandledOrder(messages, sink.HandledPhotos(), sources.size());
    EXPECT_EQ(sink.Ends(), 1);
    ExpectFilesOfStoredPhotosOnly(items, stored);
}

// Silence is a passing failure: three silent tries with the two pauses between them,
// while the other photos are stored meanwhile.
TEST(DownloadWorker, PhotoThatNeverAnswersFailsAfterTheSilenceLimitWhileTheOthersAreStored) {
    constexpr int kSilence = 2;
    CPhotoSources sources;
    std::vector<DownloadItem> items =
        sources.Items({Source::Photo, Source::Silent, Source::Photo}, test::ScratchDir());
    CRecordingSink sink;
    test::CMessageWindow window;
    CDownloadWorker worker;
    DWORD before = GetTickCount();
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kSilence, kConnections));
    EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), ProgressOf({true, true, false}));
    DWORD took = GetTickCount() - before;
    worker.Stop();
    EXPECT_GE(took, 3 * kSilence * 1000u + kBothPauses - kClockSlack);
    EXPECT_LT(took, 30000u);
    EXPECT_EQ(sink.HandledByIndex(), (std::vector<Handled>{{0, PhotoResult::Stored, ""},
                                                           {1, PhotoResult::Failed, "timeout"},
                                                           {2, PhotoResult::Stored, ""}}));
    EXPECT_EQ(sink.Ends(), 1);
    EXPECT_EQ(LoggedRequests(ProbeOf(items[1].url)).size(), 3u);
    ExpectFilesOfStoredPhotosOnly(items, {true, false, true});
}

TEST(DownloadWorker, SlowPhotoThatKeepsSendingIsNotCutOffBySilence) {
    // Five pieces 600 ms apart: three times the one-second limit in all, never silent
    // that long. Pieces larger than a read, so each one shows as progress.
    constexpr size_t kPiece = 6000;
    constexpr int kPieces = 5;
    std::string body = PhotoBody(kPiece * kPieces);
    std::vector<std::string> pieces{
        test::AnswerHead("200 OK", "image/jpeg", static_cast<std::int64_t>(body.size()))};
    for (int i = 0; i < kPieces; ++i)
        pieces.push_back(body.substr(i * kPiece, kPiece));
    pieces[0] += pieces[1];
    pieces.erase(pieces.begin() + 1);
    test::CCannedServer server(pieces, 600);
    std::vector<DownloadItem> items = {{0, server.Url("/slow.jpg"), test::ScratchDir() + "slow.jpg"}};
    CRecordingSink sink;
    test::CMessageWindow window;
    CDownloadWorker worker;
    DWORD before = GetTickCount();
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, 1, kConnections));
    EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), ProgressOf({true}));
    EXPECT_GE(GetTickCount() - before, 2000u);
    worker.Stop();
    EXPECT_EQ(sink.HandledPhotos(), (std::vector<Handled>{{0, PhotoResult::Stored, ""}}));
    std::string stored = ReadAll(items[0].localPath);
    EXPECT_EQ(stored.size(), body.size());
    EXPECT_TRUE(stored == body);
}

TEST(DownloadWorker, OnlyAPhotoReplacesAnExistingFileAndALeftoverTemporaryFileIsOverwritten) {
    struct Case {
        const char* what;
        Source source;
        bool stored;
    } cases[] = {{"photo", Source::Photo, true}, {"server error", Source::Broken, false}};
    CPhotoSources sources;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<DownloadItem> items = sources.Items({c.source}, test::ScratchDir());
        const std::string old(50000, 'o');
        ASSERT_TRUE(platform::WriteFileAtomically(items[0].localPath, old));
        // Left by a pass that was killed, longer than the photo.
        ASSERT_TRUE(platform::WriteFileAtomically(items[0].localPath + ".Tmp", std::string(80000, 't')));
        test::CMessageWindow window;
        CDownloadWorker worker;
        ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, nullptr, kLongSilence, kConnections));
        EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), ProgressOf({c.stored}));
        worker.Stop();
        std::string expected = old;
        if (c.stored) {
            ASSERT_TRUE(test::StandinGet(items[0].url.substr(items[0].url.find("/photos/")), expected));
        }
        EXPECT_EQ(ReadAll(items[0].localPath), expected);
        EXPECT_FALSE(platform::FileExists(items[0].localPath + ".Tmp"));
    }
}

TEST(DownloadWorker, PhotoThatCannotBeWrittenOrPlacedIsNotStored) {
    struct Case {
        const char* what;
        bool folderInTheWay; // else the photo's folder is missing
        const char* error;
    } cases[] = {{"a folder where the photo goes", true, "cannot place file"},
                 {"no folder for the photo", false, "cannot write file"}};
    CPhotoSources sources;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string folder = test::ScratchDir();
        std::vector<DownloadItem> items = sources.Items({Source::Photo}, folder);
        if (c.folderInTheWay) {
            ASSERT_EQ(platform::MakeDirectory(items[0].localPath), platform::MakeDirResult::Created);
        } else {
            items[0].localPath = folder + "gone\\p.jpg";
        }
        CRecordingSink sink;
        test::CMessageWindow window;
        CDownloadWorker worker;
        ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kLongSilence, kConnections));
        EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), ProgressOf({false}));
        worker.Stop();
        EXPECT_EQ(sink.HandledPhotos(), (std::vector<Handled>{{0, PhotoResult::Failed, c.error}}));
        EXPECT_FALSE(platform::FileExists(items[0].localPath + ".Tmp"));
    }
}

TEST(DownloadWorker, EmptyListEndsAtOnceWithoutAMessage) {
    CRecordingSink sink;
    test::CMessageWindow window;
    CDownloadWorker worker;
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, {}, &sink, kLongSilence, kConnections));
    for (int i = 0; i < 500 && worker.IsRunning(); ++i)
        Sleep(10);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_TRUE(window.CollectFor(kProgress, 300).empty());
    worker.Stop();
    EXPECT_TRUE(sink.HandledPhotos().empty());
    EXPECT_EQ(sink.Ends(), 1);
}

// Every photo in flight is abandoned with its partial file; the one waiting for a slot
// never starts.
TEST(DownloadWorker, StopEndsThePassWithoutAMessageAndKeepsThePartialFile) {
    std::string folder = test::ScratchDir();
    CPhotoSources sources;
    std::vector<DownloadItem> items;
    for (int i = 0; i < kConnections; ++i)
        items.push_back({i, test::BackupAddress("getbloglist", "fault_slow", "fault", "worker-stop"),
                         folder + "slow" + std::to_string(i) + ".jpg"});
    items.push_back({kConnections, sources.Address(Source::Photo), folder + "after.jpg"});
    CRecordingSink sink;
    test::CMessageWindow window;
    CDownloadWorker worker;
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kLongSilence, kConnections));
    Sleep(test::kPendingMoment);
    ExpectPromptStopReportingNothing(worker, window, sink);
    for (int i = 0; i < kConnections; ++i) {
        EXPECT_TRUE(platform::FileExists(items[i].localPath + ".Tmp")) << i;
        EXPECT_FALSE(platform::FileExists(items[i].localPath)) << i;
    }
    EXPECT_FALSE(platform::FileExists(folder + "after.jpg.Tmp"));
}

TEST(DownloadWorker, StartDuringAPassReplacesIt) {
    std::string folder = test::ScratchDir();
    CPhotoSources sources;
    CRecordingSink first;
    CRecordingSink second;
    test::CMessageWindow window;
    CDownloadWorker worker;
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress,
                             {{0, test::BackupAddress("getbloglist", "fault_slow", "fault", "worker-restart"),
                               folder + "slow.jpg"}},
                             &first, kLongSilence, kConnections));
    Sleep(test::kPendingMoment);
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress,
                             sources.Items({Source::Photo, Source::Photo}, folder), &second, kLongSilence,
                             kConnections));
    EXPECT_EQ(first.Ends(), 1);
    EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), ProgressOf({true, true}));
    worker.Stop();
    EXPECT_TRUE(first.HandledPhotos().empty());
    EXPECT_EQ(second.HandledByIndex(),
              (std::vector<Handled>{{0, PhotoResult::Stored, ""}, {1, PhotoResult::Stored, ""}}));
    EXPECT_EQ(second.Ends(), 1);
}

TEST(DownloadWorker, ManyPassesLeaveNoHandlesOrThreads) {
    std::string folder = test::ScratchDir();
    CPhotoSources sources;
    test::CMessageWindow window;
    CDownloadWorker worker;
    auto pass = [&](size_t photos) {
        std::vector<DownloadItem> items(photos,
                                        DownloadItem{0, sources.Address(Source::Photo), folder + "same.jpg"});
        ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, nullptr, kLongSilence, kConnections));
        std::vector<PostedMessage> messages = window.CollectUntil(kProgress, 100, kPatience * 2);
        ASSERT_EQ(messages.size(), photos);
        for (const PostedMessage& message : messages)
            ASSERT_EQ(message.wParam, 1u);
    };
    pass(5); // WinInet's own threads and caches settle
    size_t handles = test::ProcessHandleCount();
    size_t threads = test::ProcessThreadCount();
    for (int i = 0; i < 40; ++i)
        pass(5); // each Start also ends the pass before it
    worker.Stop();
    // WinInet keeps a few connections and worker threads of its own; one handle or thread
    // left per pass or photo would be dozens or hundreds.
    EXPECT_LE(test::ProcessHandleCount(), handles + 8);
    EXPECT_LE(test::ProcessThreadCount(), threads + 8);
}

// A photo address of its own: the stand-in's answer for `name` in a folder named by a
// new token, or a service answer whose probe is the token.
struct Address {
    std::string url;
    std::string token; // in the address and nowhere else
};

Address PhotoNamed(const std::string& name, const std::string& query = std::string()) {
    std::string token = platform::NewUuidText();
    return {StandinUrl("/photos/" + token + "/" + name + query), token};
}

Address ServiceAnswer(const char* service, const std::string& user, const std::string& password) {
    std::string token = platform::NewUuidText();
    return {test::BackupAddress(service, user, password, token), token};
}

// The service holds every request unanswered, so a photo in flight is one whose request
// arrived; the photos beyond the slots wait. WinInet's limit per server matches.
struct InFlightCase {
    int connections;
    int photos;
    int limit; // the connections, at least 1
    int inFlight;
};

TEST(DownloadWorker, AtMostTheConfiguredNumberOfPhotosAreInFlightWhileTheOthersWait) {
    const InFlightCase cases[] = {{1, 3, 1, 1}, {4, 5, 4, 4}, {6, 9, 6, 6}, {8, 5, 8, 5}, {0, 2, 1, 1}};
    for (const InFlightCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.connections << " connections, " << c.photos << " photos");
        const std::string token = platform::NewUuidText();
        const std::string folder = test::ScratchDir();
        std::vector<DownloadItem> items;
        for (int i = 0; i < c.photos; ++i)
            items.push_back({i,
                             test::BackupAddress("getbloglist", "fault_hang", "fault",
                                                 token + "-" + std::to_string(i) + "-"),
                             folder + std::to_string(i) + ".jpg"});
        CRecordingSink sink;
        test::CMessageWindow window;
        CDownloadWorker worker;
        ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kLongSilence, c.connections));
        EXPECT_EQ(WaitForRequests(token, c.inFlight, kPatience / 3), static_cast<size_t>(c.inFlight));
        Sleep(1000); // time enough for a photo beyond the slots to go out
        EXPECT_EQ(LoggedRequests(token).size(), static_cast<size_t>(c.inFlight));
        for (int i = 0; i < c.inFlight; ++i) // the first photos of the list took the slots
            EXPECT_EQ(LoggedRequests(token + "-" + std::to_string(i) + "-").size(), 1u) << i;
        test::ConnectionLimits limits;
        ASSERT_TRUE(test::QueryConnectionLimits(limits));
        EXPECT_EQ(limits.perServer, static_cast<unsigned long>(c.limit));
        EXPECT_EQ(limits.perServer1_0, static_cast<unsigned long>(c.limit));
        ExpectPromptStopReportingNothing(worker, window, sink);
    }
}

struct TryCase {
    const char* what;
    Address address;
    size_t requests;
    PhotoResult result;
    const char* error; // of the last try
    DWORD pauses;      // before the photo can be handled
};

// Connection resets, bodies cut short, silence (above) and 5xx answers are tried twice
// more, after 1 and 3 seconds, while the other photos go on; a photo failing all three is
// reported once, with the last try's error. Any other answer is final at once.
TEST(DownloadWorker, PassingFailuresAreTriedTwiceMoreAndOtherAnswersOnce) {
    const TryCase cases[] = {
        {"server error every time", PhotoNamed("fail9-servererror-p.jpg"), 3, PhotoResult::Failed, "HTTP 500",
         kBothPauses},
        {"server error page every time", PhotoNamed("fail9-html-p.jpg"), 3, PhotoResult::Failed, "HTTP 500",
         kBothPauses},
        {"reset mid-body every time", PhotoNamed("fail9-reset-p.jpg"), 3, PhotoResult::Failed, "cut short",
         kBothPauses},
        {"server error twice, then the photo", PhotoNamed("fail2-servererror-p.jpg"), 3, PhotoResult::Stored,
         "", kBothPauses},
        {"reset once, then the photo", PhotoNamed("fail1-reset-p.jpg"), 2, PhotoResult::Stored, "",
         kFirstPause},
        {"not found", PhotoNamed("missing-p.jpg"), 1, PhotoResult::Missing, "HTTP 404", 0},
        {"not found after all", PhotoNamed("fail9-notfound-p.jpg"), 1, PhotoResult::Missing, "HTTP 404", 0},
        {"bad request", PhotoNamed("p.jpg", "?size=l&amp;v=2"), 1, PhotoResult::Failed, "HTTP 400", 0},
        {"HTML page with status 200", ServiceAnswer("getblogsummary", "tester", "test123"), 1,
         PhotoResult::Failed, "HTML page", 0},
        {"empty answer", ServiceAnswer("getbloglist", "fault_empty", "fault"), 1, PhotoResult::Failed,
         "empty", 0},
        {"photo", PhotoNamed("p.jpg"), 1, PhotoResult::Stored, "", 0},
    };
    const std::string folder = test::ScratchDir();
    std::vector<DownloadItem> items;
    std::vector<Handled> expected;
    std::vector<bool> stored;
    for (const TryCase& c : cases) {
        const int32_t index = static_cast<int32_t>(items.size());
        items.push_back({index, c.address.url, folder + std::to_string(index) + ".jpg"});
        expected.push_back({items.size() - 1, c.result, c.error});
        stored.push_back(c.result == PhotoResult::Stored);
    }
    CRecordingSink sink;
    test::CMessageWindow window;
    CDownloadWorker worker;
    const DWORD before = GetTickCount();
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kLongSilence, 8));
    std::vector<PostedMessage> messages = window.CollectUntil(kProgress, 100, kPatience);
    worker.Stop();
    const std::vector<Handled> handled = sink.HandledByIndex();
    EXPECT_EQ(handled, expected);
    ExpectProgressInHandledOrder(messages, sink.HandledPhotos(), items.size());
    ASSERT_EQ(handled.size(), std::size(cases));
    for (size_t i = 0; i < handled.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        EXPECT_EQ(LoggedRequests(cases[i].address.token).size(), cases[i].requests);
        EXPECT_GE(handled[i].at - before, cases[i].pauses - std::min(cases[i].pauses, kClockSlack));
    }
    ExpectFilesOfStoredPhotosOnly(items, stored);
}

// The pause before a try holds up nothing, not even a Stop.
TEST(DownloadWorker, StopDuringThePauseBeforeATryEndsThePassAtOnce) {
    const Address photo = PhotoNamed("fail9-servererror-p.jpg");
    const std::string folder = test::ScratchDir();
    const std::vector<DownloadItem> items = {{0, photo.url, folder + "p.jpg"}};
    CRecordingSink sink;
    test::CMessageWindow window;
    CDownloadWorker worker;
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kLongSilence, kConnections));
    ASSERT_EQ(WaitForRequests(photo.token, 2, kPatience / 3), 2u);
    Sleep(500); // into the three seconds before the third try
    ExpectPromptStopReportingNothing(worker, window, sink);
    EXPECT_EQ(LoggedRequests(photo.token).size(), 2u);
    EXPECT_FALSE(platform::FileExists(items[0].localPath));
    EXPECT_FALSE(platform::FileExists(items[0].localPath + ".Tmp"));
}

TEST(DownloadWorker, StopDuringAFullPassLeavesNoThreadOrHandle) {
    const std::string folder = test::ScratchDir();
    CPhotoSources sources;
    test::CMessageWindow window;
    CDownloadWorker worker;
    // A whole pass first: WinInet's own threads and caches settle.
    ASSERT_TRUE(
        worker.Start(window.Handle(), kProgress,
                     sources.Items({Source::Photo, Source::Photo, Source::Photo, Source::Photo}, folder),
                     nullptr, kLongSilence, kConnections));
    ASSERT_EQ(window.CollectUntil(kProgress, 100, kPatience).size(), 4u);
    worker.Stop();
    const size_t handles = test::ProcessHandleCount();
    const size_t threads = test::ProcessThreadCount();
    for (int pass = 0; pass < 5; ++pass) {
        std::vector<DownloadItem> items;
        for (int i = 0; i < kConnections + 2; ++i)
            items.push_back({i, test::BackupAddress("getbloglist", "fault_slow", "fault", "worker-full-stop"),
                             folder + "slow" + std::to_string(i) + ".jpg"});
        ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, nullptr, kLongSilence, kConnections));
        Sleep(test::kPendingMoment);
        DWORD before = GetTickCount();
        worker.Stop();
        EXPECT_LT(GetTickCount() - before, test::kPromptStop);
        EXPECT_FALSE(worker.IsRunning());
    }
    EXPECT_TRUE(window.CollectFor(kProgress, 300).empty());
    // The abandoned requests end when the service answers them, three seconds after they
    // went out, and WinInet lets its threads for them go some time later; it may also keep
    // a finished connection per slot open for reuse. One thread or handle left per pass or
    // per photo would be dozens.
    constexpr size_t kSlack = 8 + kConnections;
    auto settled = [&] {
        return test::ProcessHandleCount() <= handles + kSlack && test::ProcessThreadCount() <= threads + kSlack;
    };
    for (DWORD start = GetTickCount(); !settled() && GetTickCount() - start < kPatience / 2;)
        Sleep(200);
    EXPECT_LE(test::ProcessHandleCount(), handles + kSlack);
    EXPECT_LE(test::ProcessThreadCount(), threads + kSlack);
}

} // namespace
} // namespace nook
