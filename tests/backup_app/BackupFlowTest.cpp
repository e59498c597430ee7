// What the main dialog makes of each answer, which buttons each state offers, and how an
// unattended backup goes on from each state.
#include "dialogs/flow/ArchivistDlgTexts.h"
#include "dialogs/flow/BackupResponse.h"
#include "dialogs/flow/BackupState.h"
#include "dialogs/flow/UnattendedBackup.h"
#include "tests/backup_app/support/TestText.h"

#include <gtest/gtest.h>

#include <ostream>

namespace nook {
namespace {

using test::Gbk;

const char kSummaryLog[] = "OnNookBackupResponse: Get success response of GetBlogSummary request.";
const char kListLog[] = "OnNookBackupResponse: Get success response of GetBlogList request.";

struct ResponseCase {
    const char* name;
    int kind;
    int result;
    BackupSummary summary;
    bool downloadsPending;
    bool handled;
    const char* logLine; // null: none
    const char* status;  // UTF-8
    BackupState state;
    ResponseFollowUp followUp;
};

void PrintTo(const ResponseCase& c, std::ostream* os) { *os << c.name; }

const ResponseCase kResponseCases[] = {
    {"SummaryCountsInOrderNewUpdatedPostsComments", 4, 0, {2, 1, 5, 0}, false, true, kSummaryLog,
     u8"您有2篇新发表的日记，1篇有更新的日记，0条新迷你日记和5条新评论", BackupState::ReadyToBackUp,
     ResponseFollowUp::None},
    {"SummaryWithOnlyNewPosts", 4, 0, {0, 0, 0, 7}, false, true, kSummaryLog,
     u8"您有0篇新发表的日记，0篇有更新的日记，7条新迷你日记和0条新评论", BackupState::ReadyToBackUp,
     ResponseFollowUp::None},
    {"SummaryWithNothingNew", 4, 0, {0, 0, 0, 0}, false, true, kSummaryLog, u8"您目前没有需要备份的日记和评论",
     BackupState::Ready, ResponseFollowUp::None},
    {"SummaryWithNothingNewFetchesPhotosLeftPending", 4, 0, {0, 0, 0, 0}, true, true, kSummaryLog,
     u8"正在下载日记中的照片，这可能需要一点时间，请稍候...", BackupState::DownloadingPhotos,
     ResponseFollowUp::StartDownloads},
    {"SummaryWithSomethingNewLeavesPendingPhotosToTheBackup", 4, 0, {0, 1, 0, 0}, true, true, kSummaryLog,
     u8"您有0篇新发表的日记，1篇有更新的日记，0条新迷你日记和0条新评论", BackupState::ReadyToBackUp,
     ResponseFollowUp::None},
    {"SummaryTransferFailed", 4, 1, {}, false, true, nullptr, u8"登录失败，请稍候再试！", BackupState::LoggedOut,
     ResponseFollowUp::None},
    {"SummaryRefused", 4, 3, {}, false, true, nullptr, u8"登录失败，请稍候再试！", BackupState::LoggedOut,
     ResponseFollowUp::None},
    {"SummaryResultTwoIsAFailureToo", 4, 2, {}, false, true, nullptr, u8"登录失败，请稍候再试！",
     BackupState::LoggedOut, ResponseFollowUp::None},
    {"SummaryResultOutsideOneToThreeIgnored", 4, 4, {}, false, false, nullptr, "", BackupState::Busy,
     ResponseFollowUp::None},
    {"SummaryNegativeResultIgnored", 4, -1, {}, false, false, nullptr, "", BackupState::Busy, ResponseFollowUp::None},
    {"ListStoredWithPhotos", 5, 0, {}, true, true, kListLog, u8"正在下载日记中的照片，这可能需要一点时间，请稍候...",
     BackupState::DownloadingPhotos, ResponseFollowUp::StartDownloads},
    {"ListStoredWithoutPhotos", 5, 0, {}, false, true, kListLog,
     u8"备份完毕，您可以点击左边日记列表开始浏览已备份的日记了。", BackupState::Done,
     ResponseFollowUp::ExpandFirstRoot},
    {"ListTransferFailed", 5, 1, {}, true, true, nullptr, u8"备份失败，请稍候再试！", BackupState::ReadyToBackUp,
     ResponseFollowUp::None},
    {"ListRefused", 5, 3, {}, false, true, nullptr, u8"备份失败，请稍候再试！", BackupState::ReadyToBackUp,
     ResponseFollowUp::None},
    {"UnknownKindIgnored", 6, 0, {1, 0, 0, 0}, false, false, nullptr, "", BackupState::Busy, ResponseFollowUp::None},
};

class BackupResponseTable : public ::testing::TestWithParam<ResponseCase> {};

TEST_P(BackupResponseTable, GivesTheLogLineStatusStateAndFollowUp) {
    const ResponseCase& c = GetParam();
    ResponseOutcome outcome = InterpretBackupResponse(c.kind, c.result, c.summary, c.downloadsPending);
    ASSERT_EQ(outcome.handled, c.handled);
    if (!c.handled) return;
    if (c.logLine)
        EXPECT_STREQ(outcome.logLine, c.logLine);
    else
        EXPECT_EQ(outcome.logLine, nullptr);
    EXPECT_EQ(outcome.status, Gbk(c.status));
    EXPECT_EQ(outcome.state, c.state);
    EXPECT_EQ(outcome.followUp, c.followUp);
}

INSTANTIATE_TEST_SUITE_P(Answers, BackupResponseTable, ::testing::ValuesIn(kResponseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BackupResponse, RequestThatCannotStartLeavesTheStateOfAFailedAnswerWithItsOwnText) {
    ResponseOutcome summary = RequestNotStarted(4);
    EXPECT_TRUE(summary.handled);
    EXPECT_EQ(summary.state, BackupState::LoggedOut);
    EXPECT_EQ(summary.status, Gbk(u8"无法连接服务器，请检查网络后再试！"));
    ResponseOutcome list = RequestNotStarted(5);
    EXPECT_EQ(list.state, BackupState::ReadyToBackUp);
    EXPECT_EQ(list.status, summary.status);
}

struct StateCase {
    BackupState state;
    StateControls controls; // login, backup, refresh, tree
};

TEST(BackupStates, EachStateOffersItsButtonsAndTree) {
    const StateCase cases[] = {
        {BackupState::LoggedOut, {true, false, false, true}},
        {BackupState::Busy, {false, false, false, false}},
        {BackupState::Ready, {false, false, true, true}},
        {BackupState::ReadyToBackUp, {false, true, true, true}},
        {BackupState::DownloadingPhotos, {false, false, false, false}},
        {BackupState::Done, {false, false, true, true}},
    };
    for (const StateCase& c : cases) {
        const StateControls controls = ControlsOf(c.state);
        SCOPED_TRACE(static_cast<int>(c.state));
        EXPECT_EQ(controls.login, c.controls.login);
        EXPECT_EQ(controls.backup, c.controls.backup);
        EXPECT_EQ(controls.refresh, c.controls.refresh);
        EXPECT_EQ(controls.tree, c.controls.tree);
    }
}

struct UnattendedCase {
    int kind;
    BackupState state;
    UnattendedStep step;
    int exitCode;
};

TEST(UnattendedBackup, GoesOnWaitsOrFinishesWithTheRightCode) {
    const UnattendedCase cases[] = {
        {4, BackupState::ReadyToBackUp, UnattendedStep::BackUp, 0},
        {4, BackupState::Ready, UnattendedStep::Finish, kExitBackedUp},
        {4, BackupState::LoggedOut, UnattendedStep::Finish, kExitLoginFailed},
        {5, BackupState::DownloadingPhotos, UnattendedStep::Wait, 0},
        {5, BackupState::Done, UnattendedStep::Finish, kExitBackedUp},
        {5, BackupState::ReadyToBackUp, UnattendedStep::Finish, kExitBackupFailed},
        {4, BackupState::DownloadingPhotos, UnattendedStep::Wait, 0},
    };
    for (const UnattendedCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << "/" << static_cast<int>(c.state));
        const UnattendedDecision decision = AfterResponse(c.kind, c.state);
        EXPECT_EQ(decision.step, c.step);
        if (c.step == UnattendedStep::Finish) {
            EXPECT_EQ(decision.exitCode, c.exitCode);
        }
    }
    EXPECT_EQ(kExitNoCredentials, 3);
    EXPECT_EQ(AfterPhotoPass(0).step, UnattendedStep::Finish);
    EXPECT_EQ(AfterPhotoPass(0).exitCode, kExitBackedUp);
    EXPECT_EQ(AfterPhotoPass(2).exitCode, 5);
}

TEST(PhotoPassEndText, SaysWhatIsStillMissing) {
    const struct {
        size_t pending;
        size_t gone;
        const char* text;
    } cases[] = {
        {0, 0, u8"备份完毕，您可以点击左边日记列表开始浏览已备份的日记了。"},
        {3, 0, u8"还有 3 张照片没有下载成功，下次备份时会继续下载。"},
        {3, 2, u8"还有 3 张照片没有下载成功，下次备份时会继续下载。另有 2 张照片在网站上已不存在。"},
        {0, 1, u8"备份完毕，您可以点击左边日记列表开始浏览已备份的日记了。另有 1 张照片在网站上已不存在。"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PhotoPassEndText(c.pending, c.gone), Gbk(c.text)) << c.pending << "/" << c.gone;
}

} // namespace
} // namespace nook
