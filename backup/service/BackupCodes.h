// The numbers the backup protocol and the main dialog agree on.
#pragma once

namespace nook {

// The result of one request, as reported to the dialog.
enum BackupResult : int {
    kBackupSuccess = 0, // the records are complete
    kBackupFailed = 1,  // transfer failed, no Backup document, or a summary answer without Summary
    kBackupRefused = 3, // the service said no (Result not "0"), or a list answer without Summary
};

// Which request an answer belongs to; also the wParam of the dialog's response message.
enum BackupRequestKind : int {
    kSummaryRequest = 4,
    kListRequest = 5,
};

} // namespace nook
