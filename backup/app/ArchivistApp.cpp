#include "app/ArchivistApp.h"

#include "app/ArchivistCommandLineInfo.h"
#include "dialogs/ArchivistDlg.h"
#include "dialogs/flow/UnattendedBackup.h"
#include "res/resource.h"
#include "util/ProgramDir.h"

#include <commctrl.h>

namespace nook {

namespace {

// Never closed: the mutex marks the running copy for as long as the process lives.
bool AnotherCopyRuns() {
    CreateMutexW(nullptr, FALSE, kSingleInstanceMutexName);
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
}

void ShowSocketsFailure(HINSTANCE instance) {
    wchar_t text[256] = {};
    LoadStringW(instance, IDS_SOCKETS_INIT_FAILED, text, 256);
    MessageBoxW(nullptr, text, nullptr, MB_OK | MB_ICONERROR);
}

} // namespace

bool CArchivistApp::InitInstance() {
    const bool anotherCopy = AnotherCopyRuns();

    CArchivistCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    std::string userName, password, unattended;
    commandLine.GetParam("user", userName);
    commandLine.GetParam("pass", password);
    const bool backup = commandLine.GetParam("backup", unattended);

    // Silent: the copy that runs stays as it is. Only a scheduler learns, by the code.
    if (anotherCopy) {
        if (backup) exitCode_ = kExitAlreadyRunning;
        return false;
    }

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);

    if (!StartSockets()) {
        // No message box waits for a user who is not there.
        if (backup)
            exitCode_ = kExitLoginFailed;
        else
            ShowSocketsFailure(Instance());
        return false;
    }
    EnableControlContainer();

    CArchivistDlg dialog(ProgramDir());
    SetMainWindow(&dialog);
    dialog.SetCommandLineCredentials(userName, password);
    dialog.SetUnattended(backup);
    dialog.DoModal();
    exitCode_ = dialog.ExitCode();
    SetMainWindow(nullptr);
    return false;
}

} // namespace nook
