#include "dialogs/flow/UnattendedBackup.h"

#include "service/BackupCodes.h"

namespace nook {

namespace {

UnattendedDecision Finish(int exitCode) { return {UnattendedStep::Finish, exitCode}; }

} // namespace

UnattendedDecision AfterResponse(int kind, BackupState state) {
    if (kind == kSummaryRequest) {
        switch (state) {
        case BackupState::ReadyToBackUp: return {UnattendedStep::BackUp, kExitBackedUp};
        case BackupState::Ready: return Finish(kExitBackedUp);
        case BackupState::LoggedOut: return Finish(kExitLoginFailed);
        default: return {};
        }
    }
    if (kind == kListRequest) {
        switch (state) {
        case BackupState::Done: return Finish(kExitBackedUp);
        case BackupState::ReadyToBackUp: return Finish(kExitBackupFailed);
        default: return {};
        }
    }
    return {};
}

UnattendedDecision AfterPhotoPass(size_t pendingPhotos) {
    return Finish(pendingPhotos > 0 ? kExitPhotosPending : kExitBackedUp);
}

} // namespace nook
