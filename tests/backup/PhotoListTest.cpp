// The photo list: its file, the states a photo moves through across runs, the repair
// against the photo folder, and what a pass records as it goes.
#include "archive/PhotoList.h"

#include "tests/support/TestPaths.h"
#include "archive/PhotoPassRecorder.h"
#include "platform/Files.h"
#include "util/DirectoryPath.h"

#include <gtest/gtest.h>

namespace {

using nook::CPhotoList;
using nook::PhotoOutcome;
using nook::PhotoResult;
using nook::PhotoState;

const PhotoOutcome kStored{PhotoResult::Stored, ""};
const PhotoOutcome kMissing{PhotoResult::Missing, "HTTP 404"};
const PhotoOutcome kFailed{PhotoResult::Failed, "timeout"};

TEST(PhotoList, SavesAndLoadsEveryField) {
    std::string dir = nook::test::ScratchDir();
    CPhotoList list;
    nook::PhotoEntry& entry = list.Add("http://p/a.jpg?x=1&y=\"2\"", "Images\\a.jpg", PhotoState::Pending);
    CPhotoList::AddDiary(entry, 7);
    CPhotoList::AddDiary(entry, 9);
    CPhotoList::AddDiary(entry, 7);
    list.RecordOutcome(entry.url, kMissing, "2026-12-09");
    list.Add("http://p/\xb1\xa6.jpg", "Images\\b.jpg", PhotoState::Stored);
    ASSERT_TRUE(list.Save(dir + "PhotoList.xml", platform::Durability::Immediate));

    CPhotoList loaded;
    loaded.Load(dir + "PhotoList.xml");
    ASSERT_EQ(loaded.Entries().size(), 2u);
    const nook::PhotoEntry& first = loaded.Entries()[0];
    EXPECT_EQ(first.url, "http://p/a.jpg?x=1&y=\"2\"");
    EXPECT_EQ(first.file, "Images\\a.jpg");
    EXPECT_EQ(first.blogs, (std::vector<int32_t>{7, 9}));
    EXPECT_EQ(first.state, PhotoState::Pending);
    EXPECT_EQ(first.failedRuns, 1);
    EXPECT_EQ(first.lastError, "HTTP 404");
    EXPECT_EQ(first.missingDays, 1);
    EXPECT_EQ(first.lastMissingDay, "2026-12-09");
    EXPECT_EQ(loaded.Entries()[1].state, PhotoState::Stored);
    EXPECT_NE(loaded.Find("http://p/\xb1\xa6.jpg"), nullptr);

    loaded.Load(dir + "none.xml");
    EXPECT_TRUE(loaded.Entries().empty());
}

// A photo the site has lost is given up only after it said so on three different days
// of runs, or after ten failed runs in a row; one that comes back is stored.
TEST(PhotoList, PendingPhotoBecomesGoneOnlyAfterRepeatedRuns) {
    struct Run {
        const PhotoOutcome* outcome;
        const char* day;
    };
    struct Case {
        const char* what;
        std::vector<Run> runs;
        PhotoState state;
    } cases[] = {
        {"404 on three days", {{&kMissing, "2026-12-01"}, {&kMissing, "2026-12-02"}, {&kMissing, "2026-12-05"}},
         PhotoState::Gone},
        {"404 three times on two days",
         {{&kMissing, "2026-12-01"}, {&kMissing, "2026-12-01"}, {&kMissing, "2026-12-02"}},
         PhotoState::Pending},
        {"nine failures", std::vector<Run>(9, {&kFailed, "2026-12-01"}), PhotoState::Pending},
        {"ten failures", std::vector<Run>(10, {&kFailed, "2026-12-01"}), PhotoState::Gone},
        {"a success in between (the file lost since) starts the count again",
         {{&kFailed, "2026-12-01"}, {&kFailed, "2026-12-01"}, {&kFailed, "2026-12-01"}, {&kFailed, "2026-12-01"},
          {&kFailed, "2026-12-01"}, {&kStored, "2026-12-01"}, {&kFailed, "2026-12-01"}, {&kFailed, "2026-12-01"},
          {&kFailed, "2026-12-01"}, {&kFailed, "2026-12-01"}, {&kFailed, "2026-12-01"}},
         PhotoState::Pending},
        {"stored at last", {{&kMissing, "2026-12-01"}, {&kFailed, "2026-12-02"}, {&kStored, "2026-12-03"}},
         PhotoState::Stored},
    };
    for (const Case& c : cases) {
        CPhotoList list;
        list.Add("http://p/a.jpg", "Images\\a.jpg", PhotoState::Pending);
        for (const Run& run : c.runs)
            list.RecordOutcome("http://p/a.jpg", *run.outcome, run.day);
        EXPECT_EQ(list.Find("http://p/a.jpg")->state, c.state) << c.what;
    }
}

TEST(PhotoList, RepairFollowsThePhotoFolder) {
    std::string user = nook::test::ScratchDir();
    ASSERT_TRUE(nook::MakeDirectoryPath(user + "Images"));
    ASSERT_TRUE(platform::WriteFileAtomically(user + "Images\\empty.jpg", ""));
    ASSERT_TRUE(platform::WriteFileAtomically(user + "Images\\placed.jpg", "\xFF\xD8"));
    ASSERT_TRUE(platform::WriteFileAtomically(user + "Images\\cut.jpg.Tmp", "\xFF"));
    struct Case {
        const char* file;
        PhotoState before;
        PhotoState after;
    } cases[] = {
        {"missing.jpg", PhotoState::Stored, PhotoState::Pending},
        {"empty.jpg", PhotoState::Stored, PhotoState::Pending},
        {"placed.jpg", PhotoState::Pending, PhotoState::Stored}, // the pass ended before it saved
        {"cut.jpg", PhotoState::Pending, PhotoState::Pending},
        {"gone.jpg", PhotoState::Gone, PhotoState::Gone},
    };
    CPhotoList list;
    for (const Case& c : cases)
        list.Add(c.file, std::string("Images\\") + c.file, c.before);
    EXPECT_TRUE(list.Repair(user));
    for (const Case& c : cases)
        EXPECT_EQ(list.Find(c.file)->state, c.after) << c.file;
    EXPECT_FALSE(platform::FileExists(user + "Images\\cut.jpg.Tmp"));
    EXPECT_FALSE(list.Repair(user));

    const std::vector<nook::DownloadItem> pending = list.PendingDownloads(user);
    ASSERT_EQ(pending.size(), 3u);
    EXPECT_EQ(pending[0].url, "missing.jpg");
    EXPECT_EQ(pending[0].localPath, user + "Images\\missing.jpg");
    EXPECT_EQ(pending[2].sequence, 2);
}

// A list whose files point out of the user folder neither writes nor removes anything
// there: those entries are left out, and their photos fetched anew.
TEST(PhotoList, EntriesWithFilesOutsideTheUserFolderAreLeftOut) {
    const std::string dir = nook::test::ScratchDir();
    const std::string user = dir + "user\\";
    ASSERT_TRUE(nook::MakeDirectoryPath(user + "Images"));
    ASSERT_TRUE(platform::WriteFileAtomically(dir + "precious.txt.Tmp", "keep me"));
    ASSERT_TRUE(platform::WriteFileAtomically(
        user + "PhotoList.xml",
        "<PhotoList>"
        "<Photo url=\"http://a/1.jpg\" file=\"..\\precious.txt\" state=\"pending\"/>"
        "<Photo url=\"http://a/2.jpg\" file=\"C:\\Windows\\x.jpg\" state=\"pending\"/>"
        "<Photo url=\"http://a/3.jpg\" file=\"\\\\server\\x.jpg\" state=\"pending\"/>"
        "<Photo url=\"http://a/4.jpg\" file=\"Images/../../x.jpg\" state=\"pending\"/>"
        "<Photo url=\"http://a/5.jpg\" file=\"Images\\fine.jpg\" state=\"pending\"/>"
        "</PhotoList>"));
    CPhotoList list;
    list.Load(user + "PhotoList.xml");
    ASSERT_EQ(list.Entries().size(), 1u);
    EXPECT_EQ(list.Entries()[0].file, "Images\\fine.jpg");
    list.Repair(user);
    EXPECT_TRUE(platform::FileExists(dir + "precious.txt.Tmp"));
    for (const nook::DownloadItem& item : list.PendingDownloads(user))
        EXPECT_EQ(item.localPath.compare(0, user.size(), user), 0) << item.localPath;
}

// A pass that is killed loses at most the last few seconds of its list; the end of a
// pass always saves it.
TEST(PhotoPassRecorder, MarksEachPhotoAndSavesOnTheWayAndAtTheEnd) {
    std::string dir = nook::test::ScratchDir();
    const std::string path = dir + "PhotoList.xml";
    CPhotoList list;
    list.Add("http://p/1.jpg", "Images\\1.jpg", PhotoState::Pending);
    list.Add("http://p/2.jpg", "Images\\2.jpg", PhotoState::Pending);
    list.Add("http://p/3.jpg", "Images\\3.jpg", PhotoState::Pending);
    const std::vector<nook::DownloadItem> items = list.PendingDownloads(dir);
    auto savedPending = [&] {
        CPhotoList saved;
        saved.Load(path);
        return saved.Count(PhotoState::Pending);
    };

    {
        nook::CPhotoPassRecorder every(list, path, items, "2026-12-10", std::chrono::seconds(0));
        every.OnPhotoHandled(0, kStored);
        EXPECT_EQ(list.Find("http://p/1.jpg")->state, PhotoState::Stored);
        EXPECT_EQ(savedPending(), 2u);
    }
    nook::CPhotoPassRecorder seldom(list, path, items, "2026-12-10", std::chrono::hours(1));
    seldom.OnPhotoHandled(1, kStored);
    seldom.OnPhotoHandled(2, kFailed);
    EXPECT_EQ(savedPending(), 2u);
    seldom.OnPassEnded();
    EXPECT_EQ(savedPending(), 1u);
    EXPECT_EQ(list.Find("http://p/3.jpg")->lastError, "timeout");
}

} // namespace
