// The unattended backup ("/backup"): log in, back up when the summary reports anything
// new, fetch the photos, and end on its own with an exit code a scheduler can act on.
// The dialog shows every step as usual; this only decides, from the state a step ended
// in, whether to go on, wait or finish.
#pragma once

#include "dialogs/flow/BackupState.h"

#include <cstddef>

namespace nook {

enum UnattendedExitCode : int {
    kExitBackedUp = 0,       // backed up, or nothing new, and no photo pending
    kExitLoginFailed = 1,    // the summary request failed or was refused
    kExitBackupFailed = 2,   // the list request failed, or the answer could not be stored
    kExitNoCredentials = 3,  // neither /user and /pass nor remembered credentials
    kExitAlreadyRunning = 4, // another copy of the program is running; nothing was done
    kExitPhotosPending = 5,  // backed up, but some photos could not be fetched yet
    kExitArchiveMissing = 6, // the archive folder config.xml names is missing; nothing was done
};

enum class UnattendedStep { Wait, BackUp, Finish };

struct UnattendedDecision {
    UnattendedStep step = UnattendedStep::Wait;
    int exitCode = kExitBackedUp; // for Finish
};

// After the answer to request `kind` (4 summary, 5 list) put the dialog into `state`.
UnattendedDecision AfterResponse(int kind, BackupState state);

// After a photo pass ended with `pendingPhotos` still not fetched: always finishes.
UnattendedDecision AfterPhotoPass(size_t pendingPhotos);

} // namespace nook
