// What the main dialog does with a request's answer once it reaches the user-interface
// thread: the log line, the status text, the next state and what follows.
#pragma once

#include "dialogs/flow/BackupState.h"
#include "service/BackupRecords.h"

#include <string>

namespace nook {

enum class ResponseFollowUp {
    None,
    StartDownloads,  // create the photo folder, start the download worker, show the progress bar
    ExpandFirstRoot, // expand the diary root and everything below it
};

struct ResponseOutcome {
    bool handled = false;        // false: an unknown kind or result, which changes nothing
    const char* logLine = nullptr; // null: nothing is logged
    std::string status;
    BackupState state = BackupState::Busy;
    ResponseFollowUp followUp = ResponseFollowUp::None;
};

// `kind` is the request kind (4 summary, 5 list) and `result` its result code; results
// other than 0 count as failures only from 1 to 3. `downloadsPending` tells whether
// photos wait in the photo list: queued by a stored list answer, or left pending by an
// earlier run, which a summary with nothing new has fetched at once.
ResponseOutcome InterpretBackupResponse(int kind, int result, const BackupSummary& summary, bool downloadsPending);

// The state and text when a request could not even be started: the same state as a
// failed answer of that kind, so the buttons let the user try again.
ResponseOutcome RequestNotStarted(int kind);

} // namespace nook
