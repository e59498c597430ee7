// The main window of NookBackup and the controller of a backup: it logs the user in
// (with remembered credentials, or through the login window), asks the service what is
// new, fetches it on request, has it stored in the archive, downloads the photos, and
// browses the archive offline in a tree and a page view.
//
// Threads: requests run on the protocol client's transfer thread, which also stores a
// list answer in the archive (settings, pages, index files, tree data); photos are
// fetched by the download worker's pass thread. Both hand their outcome over only by
// posting WM_BACKUP_RESPONSE and WM_DOWNLOAD_PROGRESS, with the data written before the
// message is posted. While either works, the dialog is Busy or Downloading photos: no
// button starts another request and the tree is disabled, and the tree's selection
// handler reads nothing, so the user-interface thread never reads what a worker writes.
// Both workers are stopped before the window goes.
#pragma once

#include "app/settings/SettingsStore.h"
#include "archive/Archive.h"
#include "archive/LogFile.h"
#include "dialogs/ArchivistDlgControls.h"
#include "dialogs/flow/BackupResponse.h"
#include "dialogs/flow/BackupState.h"
#include "dialogs/flow/PhotoPassProgress.h"
#include "framework/GdiHandles.h"
#include "net/BackupServiceClient.h"
#include "net/DownloadWorker.h"
#include "skin/SkinDialog.h"

#include <string>

namespace nook {

inline constexpr UINT WM_BACKUP_RESPONSE = WM_USER + 1;   // wParam: request kind; lParam: result
inline constexpr UINT WM_DOWNLOAD_PROGRESS = WM_USER + 2; // wParam: photo stored; lParam: percent handled

class CArchivistDlg final : public CSkinDialog, public CBackupServiceClient {
public:
    // `programDir`, with its trailing backslash, holds the settings, the archive and the
    // page templates.
    explicit CArchivistDlg(std::string programDir);
    ~CArchivistDlg() override;

    // Before DoModal: a user name and password digest from the command line, used and
    // remembered when both are given.
    void SetCommandLineCredentials(std::string userName, std::string passwordDigest);
    // Before DoModal: log in, back up what is new, fetch the photos and end by itself,
    // with no question asked.
    void SetUnattended(bool unattended) { unattended_ = unattended; }
    // The process exit code once the dialog has ended (UnattendedExitCode; 0 otherwise).
    int ExitCode() const { return exitCode_; }

protected:
    bool OnInitDialog() override;
    // Enter and Escape do nothing: the window closes only through WM_CLOSE.
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(int id, int code, HWND control) override;
    void DoDataExchange(CDataExchange& exchange) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DrawBackground(HDC dc) override;

    // Transfer thread.
    void OnBlogSummary(BlogSummaryAnswer answer) override;
    void OnBlogList(BlogListAnswer answer) override;

private:
    void SetUpWindow();
    void TakeCommandLineCredentials();
    bool HasRememberedCredentials() const;
    // Runs the login window; true (with the settings updated) when the user logged in.
    bool RunLoginDialog(bool fromLoginButton);
    void ApplyLogin(const std::string& userName, const std::string& password, int rememberMe, bool fromLoginButton);
    void LoadArchive(const std::string& userName);
    // Shows the archive's tree; only what differs from the view changes.
    void FillTree();

    void StartLogin();
    void Refresh();
    void BackUp();
    // The archive folder is missing: the request of `kind` is not sent.
    void StopForMissingArchive(int kind);
    void StartSummaryRequest();
    BackupRequest CurrentRequest() const;

    void OnNookBackupResponse(int kind, int result);
    void ApplyOutcome(int kind, const ResponseOutcome& outcome);
    // Creates the photo folder and starts the download pass; false when it cannot run.
    bool StartDownloads();
    void OnDownloadProgress(bool stored, int percent);
    void ContinueUnattended(int kind);

    void ShowStatus(bool show, const std::string& text);
    void ShowPage(const std::string& path);
    void OnTreeSelectionChanged(HTREEITEM selected);
    void StepToLeaf(bool forward);
    void SetState(BackupState state);

    void OnClose();
    void StopWorkers();
    void Quit(int exitCode);
    void PaintMinimisedIcon();

    const std::string programDir_;
    CSettingsStore settings_;
    CLogFile log_;
    CArchive archive_; // uses settings_ and log_
    CDownloadWorker downloads_;
    CPhotoPassProgress photoProgress_;
    CArchivistDlgControls controls_;

    // The login form: what the login window is preset with.
    std::string formUserName_;
    std::string formPasswordDigest_;
    int formRememberMe_ = 0;
    std::string commandLineUser_;
    std::string commandLinePassword_;

    BackupSummary summary_; // written by the transfer thread before it posts
    std::string statusText_;
    BackupState state_ = BackupState::LoggedOut;
    bool initialised_ = false;
    bool fillingTree_ = false;
    bool unattended_ = false;
    bool quitting_ = false;
    int exitCode_ = 0;
    CIconHandle bigIcon_;
    CIconHandle smallIcon_;
};

} // namespace nook
