// CDownloadWorker against the stand-in service: the progress messages, the files it
// leaves, stopping, and what a long pass leaves behind.
#include "net/DownloadWorker.h"

#include "MessageWindow.h"
#include "ProcessCounts.h"
#include "StandinService.h"
#include "TestPaths.h"
#include "platform/Files.h"
#include "platform/Uuid.h"

#include <gtest/gtest.h>

namespace nook {
namespace {

using test::PostedMessage;
using test::ReadAll;
using test::StandinUrl;

constexpr UINT kProgress = WM_USER + 2;
constexpr DWORD kPatience = 60000;

enum class Source { Photo, NotFound, Unreachable, Dropped };

std::string Address(Source source) {
    std::string folder = "/photos/" + platform::NewUuidText() + "/";
    switch (source) {
    case Source::Photo:
        return StandinUrl(folder + "p.jpg");
    case Source::NotFound:
        return StandinUrl(folder + "missing.jpg"); // stored like a photo
    case Source::Unreachable:
        return "http://127.0.0.1:1/p.jpg";
    case Source::Dropped:
        return test::BackupAddress("getbloglist", "fault_drop", "fault", "worker");
    }
    return std::string();
}

std::vector<DownloadItem> Items(const std::vector<Source>& sources, const std::string& folder) {
    std::vector<DownloadItem> items;
    for (size_t i = 0; i < sources.size(); ++i)
        items.push_back({static_cast<int32_t>(i), Address(sources[i]), folder + std::to_string(i) + ".jpg"});
    return items;
}

struct PassCase {
    const char* what;
    std::vector<Source> sources;
    std::vector<PostedMessage> messages;
};

TEST(DownloadWorker, PostsProgressAfterEachPhotoAndStoresOnlyFinishedOnes) {
    const PassCase cases[] = {
        {"three photos", {Source::Photo, Source::Photo, Source::Photo}, {{1, 33}, {1, 66}, {1, 100}}},
        {"unreachable host", {Source::Unreachable}, {{0, 100}}},
        {"mixed", {Source::Photo, Source::Dropped, Source::NotFound}, {{1, 33}, {0, 66}, {1, 100}}},
    };
    for (const PassCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string folder = test::ScratchDir();
        std::vector<DownloadItem> items = Items(c.sources, folder);
        test::CMessageWindow window;
        CDownloadWorker worker;
        ASSERT_NE(worker.Start(window.Handle(), kProgress, items), nullptr);
        EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), c.messages);
        worker.Stop();
        for (size_t i = 0; i < items.size(); ++i) {
            bool stored = c.messages[i].wParam == 1;
            EXPECT_EQ(platform::FileExists(items[i].localPath), stored) << i;
            EXPECT_FALSE(platform::FileExists(items[i].localPath + ".Tmp")) << i;
            if (c.sources[i] == Source::Photo) {
                EXPECT_EQ(ReadAll(items[i].localPath).substr(0, 2), "\xFF\xD8") << i;
            }
        }
    }
}

TEST(DownloadWorker, ExistingFileIsOverwritten) {
    std::vector<DownloadItem> items = Items({Source::Photo}, test::ScratchDir());
    ASSERT_TRUE(platform::WriteFileAtomically(items[0].localPath, std::string(50000, 'o')));
    test::CMessageWindow window;
    CDownloadWorker worker;
    worker.Start(window.Handle(), kProgress, items);
    EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), (std::vector<PostedMessage>{{1, 100}}));
    worker.Stop();
    std::string expected;
    ASSERT_TRUE(test::StandinGet(items[0].url.substr(items[0].url.find("/photos/")), expected));
    EXPECT_EQ(ReadAll(items[0].localPath), expected);
}

TEST(DownloadWorker, PhotoThatCannotBeCopiedIntoPlaceIsNotStored) {
    std::vector<DownloadItem> items = Items({Source::Photo}, test::ScratchDir());
    // A folder where the photo should go: the fetch succeeds, the copy cannot.
    ASSERT_EQ(platform::MakeDirectory(items[0].localPath), platform::MakeDirResult::Created);
    test::CMessageWindow window;
    CDownloadWorker worker;
    worker.Start(window.Handle(), kProgress, items);
    EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience), (std::vector<PostedMessage>{{0, 100}}));
    worker.Stop();
    EXPECT_FALSE(platform::FileExists(items[0].localPath + ".Tmp"));
}

TEST(DownloadWorker, EmptyListEndsAtOnceWithoutAMessage) {
    test::CMessageWindow window;
    CDownloadWorker worker;
    HANDLE pass = worker.Start(window.Handle(), kProgress, {});
    ASSERT_NE(pass, nullptr);
    EXPECT_EQ(WaitForSingleObject(pass, 5000), WAIT_OBJECT_0);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_TRUE(window.CollectFor(kProgress, 300).empty());
}

TEST(DownloadWorker, StopEndsThePassWithoutAMessageAndKeepsThePartialFile) {
    std::string folder = test::ScratchDir();
    std::vector<DownloadItem> items = {
        {0, test::BackupAddress("getbloglist", "fault_slow", "fault", "worker-stop"), folder + "slow.jpg"},
        {1, Address(Source::Photo), folder + "after.jpg"},
    };
    test::CMessageWindow window;
    CDownloadWorker worker;
    worker.Start(window.Handle(), kProgress, items);
    Sleep(test::kPendingMoment);
    DWORD before = GetTickCount();
    worker.Stop();
    EXPECT_LT(GetTickCount() - before, test::kPromptStop);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_TRUE(window.CollectFor(kProgress, 500).empty());
    EXPECT_TRUE(platform::FileExists(folder + "slow.jpg.Tmp"));
    EXPECT_FALSE(platform::FileExists(folder + "slow.jpg"));
    EXPECT_FALSE(platform::FileExists(folder + "after.jpg.Tmp"));
}

TEST(DownloadWorker, StartDuringAPassReplacesIt) {
    std::string folder = test::ScratchDir();
    test::CMessageWindow window;
    CDownloadWorker worker;
    worker.Start(window.Handle(), kProgress,
                 {{0, test::BackupAddress("getbloglist", "fault_slow", "fault", "worker-restart"),
                   folder + "slow.jpg"}});
    Sleep(test::kPendingMoment);
    worker.Start(window.Handle(), kProgress, Items({Source::Photo, Source::Photo}, folder));
    EXPECT_EQ(window.CollectUntil(kProgress, 100, kPatience),
              (std::vector<PostedMessage>{{1, 50}, {1, 100}}));
}

TEST(DownloadWorker, ManyPassesLeaveNoHandlesOrThreads) {
    std::string folder = test::ScratchDir();
    test::CMessageWindow window;
    CDownloadWorker worker;
    auto pass = [&](size_t photos) {
        std::vector<DownloadItem> items(photos, DownloadItem{0, Address(Source::Photo), folder + "same.jpg"});
        worker.Start(window.Handle(), kProgress, items);
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
