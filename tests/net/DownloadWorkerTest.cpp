// CDownloadWorker against the stand-in service and canned answers of the test's own: the
// outcome of each photo, the progress messages, the files it leaves, the silence limit,
// stopping, and what a long pass leaves behind.
#include "net/DownloadWorker.h"

#include "platform/Files.h"
#include "platform/Uuid.h"
#include "tests/net/support/CannedServer.h"
#include "tests/net/support/MessageWindow.h"
#include "tests/net/support/ProcessCounts.h"
#include "tests/net/support/StandinService.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <mutex>
#include <ostream>

namespace nook {
namespace {

using test::PostedMessage;
using test::ReadAll;
using test::StandinUrl;

constexpr UINT kProgress = WM_USER + 2;
constexpr DWORD kPatience = 60000;
// Longer than any answer of the tests that are not about silence.
constexpr int kLongSilence = 30;

struct Handled {
    size_t index;
    PhotoResult result;
    std::string error;
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
        std::lock_guard<std::mutex> guard(lock_);
        handled_.push_back({index, outcome.result, outcome.error});
    }
    void OnPassEnded() override {
        std::lock_guard<std::mutex> guard(lock_);
        ++ends_;
    }
    std::vector<Handled> HandledPhotos() {
        std::lock_guard<std::mutex> guard(lock_);
        return handled_;
    }
    int Ends() {
        std::lock_guard<std::mutex> guard(lock_);
        return ends_;
    }

private:
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
            return test::BackupAddress("getbloglist", "fault_hang", "fault", "worker-hang");
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
    std::vector<PostedMessage> messages;
};

TEST(DownloadWorker, PostsProgressAfterEachPhotoAndStoresOnlyPhotos) {
    const PassCase cases[] = {
        {"three photos", {Source::Photo, Source::Photo, Source::Photo}, {{1, 33}, {1, 66}, {1, 100}}},
        {"unreachable host", {Source::Unreachable}, {{0, 100}}},
        {"mixed", {Source::Photo, Source::Dropped, Source::NotFound}, {{1, 33}, {0, 66}, {0, 100}}},
    };
    CPhotoSources sources;
    for (const PassCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<DownloadItem> items = sources.Items(c.sources, test::ScratchDir());
        test::CMessageWindow window;
        CDownloadWorker worker;
        ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, nullptr, kLongSilence));
        EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), c.messages);
        worker.Stop();
        std::vector<bool> stored;
        for (const PostedMessage& message : c.messages)
            stored.push_back(message.wParam == 1);
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
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kLongSilence));
    EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), ProgressOf(stored));
    worker.Stop();
    EXPECT_EQ(sink.HandledPhotos(), expected);
    EXPECT_EQ(sink.Ends(), 1);
    ExpectFilesOfStoredPhotosOnly(items, stored);
}

TEST(DownloadWorker, PhotoThatNeverAnswersFailsAfterTheSilenceLimitWhileTheOthersAreStored) {
    constexpr int kSilence = 2;
    CPhotoSources sources;
    std::vector<DownloadItem> items =
        sources.Items({Source::Photo, Source::Silent, Source::Photo}, test::ScratchDir());
    CRecordingSink sink;
    test::CMessageWindow window;
    CDownloadWorker worker;
    DWORD before = GetTickCount();
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kSilence));
    EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), ProgressOf({true, false, true}));
    DWORD took = GetTickCount() - before;
    worker.Stop();
    EXPECT_GE(took, kSilence * 1000u - 50);
    EXPECT_LT(took, 10000u);
    EXPECT_EQ(sink.HandledPhotos(), (std::vector<Handled>{{0, PhotoResult::Stored, ""},
                                                          {1, PhotoResult::Failed, "timeout"},
                                                          {2, PhotoResult::Stored, ""}}));
    EXPECT_EQ(sink.Ends(), 1);
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
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, 1));
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
        ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, nullptr, kLongSilence));
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
        ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kLongSilence));
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
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, {}, &sink, kLongSilence));
    for (int i = 0; i < 500 && worker.IsRunning(); ++i)
        Sleep(10);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_TRUE(window.CollectFor(kProgress, 300).empty());
    worker.Stop();
    EXPECT_TRUE(sink.HandledPhotos().empty());
    EXPECT_EQ(sink.Ends(), 1);
}

TEST(DownloadWorker, StopEndsThePassWithoutAMessageAndKeepsThePartialFile) {
    std::string folder = test::ScratchDir();
    CPhotoSources sources;
    std::vector<DownloadItem> items = {
        {0, test::BackupAddress("getbloglist", "fault_slow", "fault", "worker-stop"), folder + "slow.jpg"},
        {1, sources.Address(Source::Photo), folder + "after.jpg"},
    };
    CRecordingSink sink;
    test::CMessageWindow window;
    CDownloadWorker worker;
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, &sink, kLongSilence));
    Sleep(test::kPendingMoment);
    DWORD before = GetTickCount();
    worker.Stop();
    EXPECT_LT(GetTickCount() - before, test::kPromptStop);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_TRUE(window.CollectFor(kProgress, 500).empty());
    EXPECT_TRUE(sink.HandledPhotos().empty());
    EXPECT_EQ(sink.Ends(), 1);
    EXPECT_TRUE(platform::FileExists(folder + "slow.jpg.Tmp"));
    EXPECT_FALSE(platform::FileExists(folder + "slow.jpg"));
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
                             &first, kLongSilence));
    Sleep(test::kPendingMoment);
    ASSERT_TRUE(worker.Start(window.Handle(), kProgress,
                             sources.Items({Source::Photo, Source::Photo}, folder), &second, kLongSilence));
    EXPECT_EQ(first.Ends(), 1);
    EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), ProgressOf({true, true}));
    worker.Stop();
    EXPECT_TRUE(first.HandledPhotos().empty());
    EXPECT_EQ(second.HandledPhotos(),
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
        ASSERT_TRUE(worker.Start(window.Handle(), kProgress, items, nullptr, kLongSilence));
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

} // namespace
} // namespace nook
