#include "dialogs/flow/BackupResponse.h"

#include "dialogs/flow/ArchivistDlgTexts.h"
#include "service/BackupCodes.h"

namespace nook {

namespace {

bool IsFailure(int result) { return result >= 1 && result <= 3; }

bool AnythingNew(const BackupSummary& summary) {
    return summary.newBlogCount != 0 || summary.updatedBlogCount != 0 || summary.newCommentCount != 0 ||
           summary.newTwitterCount != 0;
}

ResponseOutcome Outcome(const char* logLine, std::string status, BackupState state,
                        ResponseFollowUp followUp = ResponseFollowUp::None) {
    ResponseOutcome outcome;
    outcome.handled = true;
    outcome.logLine = logLine;
    outcome.status = std::move(status);
    outcome.state = state;
    outcome.followUp = followUp;
    return outcome;
}

} // namespace

ResponseOutcome InterpretBackupResponse(int kind, int result, const BackupSummary& summary, bool downloadsPending) {
    if (kind == kSummaryRequest) {
        if (result == kBackupSuccess) {
            if (AnythingNew(summary))
                return Outcome(kLogSummaryReceived, SummaryCountsText(summary), BackupState::ReadyToBackUp);
            // Photos an earlier run could not fetch are fetched now, with nothing else to do.
            return downloadsPending ? Outcome(kLogSummaryReceived, kDownloadingText, BackupState::DownloadingPhotos,
                                              ResponseFollowUp::StartDownloads)
                                    : Outcome(kLogSummaryReceived, kNothingNewText, BackupState::Ready);
        }
        if (IsFailure(result)) return Outcome(nullptr, kLoginFailedText, BackupState::LoggedOut);
    } else if (kind == kListRequest) {
        if (result == kBackupSuccess) {
            return downloadsPending ? Outcome(kLogListReceived, kDownloadingText, BackupState::DownloadingPhotos,
                                              ResponseFollowUp::StartDownloads)
                                    : Outcome(kLogListReceived, kBackupDoneText, BackupState::Done,
                                              ResponseFollowUp::ExpandFirstRoot);
        }
        if (IsFailure(result)) return Outcome(nullptr, kBackupFailedText, BackupState::ReadyToBackUp);
    }
    return {};
}

ResponseOutcome RequestNotStarted(int kind) {
    return Outcome(nullptr, kRequestNotStartedText,
                   kind == kSummaryRequest ? BackupState::LoggedOut : BackupState::ReadyToBackUp);
}

} // namespace nook
