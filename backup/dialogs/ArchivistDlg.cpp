#include "dialogs/ArchivistDlg.h"

#include "app/settings/UserName.h"
#include "dialogs/ControlColours.h"
#include "dialogs/GrownBitmap.h"
#include "dialogs/LoginDlg.h"
#include "dialogs/SkinPlacement.h"
#include "dialogs/SkinResources.h"
#include "dialogs/WebLinks.h"
#include "dialogs/flow/ArchivistDlgLayout.h"
#include "dialogs/flow/ArchivistDlgTexts.h"
#include "dialogs/flow/TreeSelection.h"
#include "dialogs/flow/UnattendedBackup.h"
#include "framework/GdiHandles.h"
#include "framework/ShellOpen.h"
#include "md5/Md5.h"
#include "res/resource.h"
#include "skin/NotifyDialog.h"
#include "skin/SkinColours.h"

#include <optional>
#include <string>
#include <utility>

namespace nook {

namespace {

HICON LoadProgramIcon(int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
}

} // namespace

CArchivistDlg::CArchivistDlg(std::string programDir)
    : CSkinDialog(IDD_NOOKBACKUP_DIALOG, kMainWindowSkin),
      programDir_(std::move(programDir)),
      settings_(programDir_),
      archive_(programDir_, settings_, &log_) {}

CArchivistDlg::~CArchivistDlg() {
    // The workers call back into members; none may outlive them.
    StopWorkers();
}

void CArchivistDlg::SetCommandLineCredentials(std::string userName, std::string passwordDigest) {
    commandLineUser_ = std::move(userName);
    commandLinePassword_ = std::move(passwordDigest);
}

// ---------------------------------------------------------------------------------------
// Start-up

bool CArchivistDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    SetUpWindow();
    controls_.Attach(Hwnd());
    controls_.Layout();
    SetState(BackupState::LoggedOut);

    // config.xml is read before command-line credentials are stored, so that storing
    // them keeps the service host and the log settings it holds.
    settings_.LoadSettings();
    TakeCommandLineCredentials();
    log_.OpenLogFile(settings_.Client().logLevel, settings_.Client().logFolderPrefix);

    const UserSettings& user = settings_.User();
    formUserName_ = user.userName;
    formPasswordDigest_ = user.passwordDigest;
    formRememberMe_ = user.rememberMe;

    const bool logIn = HasRememberedCredentials() || (!unattended_ && RunLoginDialog(false));
    if (!logIn) {
        SetState(BackupState::LoggedOut);
        ShowStatus(false, std::string());
    }

    // The archive before the login: loading an archive of an earlier version sets the
    // marks back for its one full backup, and the request must carry them.
    LoadArchive(settings_.User().userName);
    controls_.Tree().Select(controls_.Tree().Root(0));
    if (logIn) StartLogin();
    UpdateData(false);
    initialised_ = true;
    if (!logIn && unattended_) Quit(kExitNoCredentials);
    return true;
}

void CArchivistDlg::SetUpWindow() {
    bigIcon_.Reset(LoadProgramIcon(SM_CXICON));
    smallIcon_.Reset(LoadProgramIcon(SM_CXSMICON));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
    SetWindowPos(Hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2, kMainWindowWidth, kMainWindowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CArchivistDlg::TakeCommandLineCredentials() {
    if (commandLineUser_.empty() || commandLinePassword_.empty()) return;
    // The user's own file keeps its high-water marks; a missing one empties the name,
    // which is set again below.
    settings_.LoadUserSettings(commandLineUser_);
    UserSettings& user = settings_.User();
    user.userName = commandLineUser_;
    user.passwordDigest = commandLinePassword_; // already the digest: sent as given
    user.rememberMe = 1;
    settings_.SaveSettings();
}

bool CArchivistDlg::HasRememberedCredentials() const {
    return formRememberMe_ != 0 && !formUserName_.empty() && !formPasswordDigest_.empty();
}

bool CArchivistDlg::RunLoginDialog(bool fromLoginButton) {
    CLoginDlg login;
    login.SetUserName(formUserName_);
    login.SetRememberMe(formRememberMe_);
    if (login.DoModal(Hwnd()) != IDOK) return false;
    ApplyLogin(login.UserName(), login.Password(), login.RememberMe(), fromLoginButton);
    return true;
}

void CArchivistDlg::ApplyLogin(const std::string& userName, const std::string& password, int rememberMe,
                               bool fromLoginButton) {
    formUserName_ = userName;
    formRememberMe_ = rememberMe;
    const std::string typed = userName + password;
    formPasswordDigest_ = Md5DigestText(typed.data(), typed.size());
    if (userName != settings_.User().userName) {
        settings_.LoadUserSettings(userName);
        if (fromLoginButton) LoadArchive(userName);
    }
    UserSettings& user = settings_.User();
    user.userName = formUserName_;
    user.passwordDigest = formPasswordDigest_;
    user.rememberMe = formRememberMe_;
    settings_.SaveSettings();
}

void CArchivistDlg::LoadArchive(const std::string& userName) {
    // An empty or unusable name keeps the archive as it is: the two roots at first.
    archive_.LoadArchive(userName);
    FillTree();
}

void CArchivistDlg::FillTree() {
    fillingTree_ = true;
    controls_.Tree().Fill(archive_.Tree());
    fillingTree_ = false;
}

// ---------------------------------------------------------------------------------------
// Requests

BackupRequest CArchivistDlg::CurrentRequest() const {
    const UserSettings& user = settings_.User();
    BackupRequest request;
    request.userName = user.userName;
    request.passwordDigest = user.passwordDigest;
    request.lastBlogId = user.marks.lastBlogId;
    request.lastCommentId = user.marks.lastCommentId;
    request.lastTwitterId = user.marks.lastTwitterId;
    request.lastBackupTime = user.marks.lastBackupTime;
    return request;
}

void CArchivistDlg::StartLogin() {
    // A name that cannot be a folder name can have no archive: say so, send nothing.
    if (!IsUsableUserName(settings_.User().userName)) {
        SetState(BackupState::LoggedOut);
        ShowStatus(true, kUnusableUserNameText);
        if (unattended_) Quit(kExitBackupFailed);
        return;
    }
    SetState(BackupState::Busy);
    ShowStatus(true, kLoggingInText);
    StartSummaryRequest();
}

void CArchivistDlg::Refresh() {
    SetState(BackupState::Busy);
    ShowStatus(true, kRefreshingText);
    StartSummaryRequest();
}

void CArchivistDlg::StartSummaryRequest() {
    if (!archive_.PrepareArchiveFolder()) return StopForMissingArchive(kSummaryRequest);
    FillTree(); // the archive is read again when its folder came back
    SetServiceHost(settings_.Client().serviceHost);
    if (!GetBlogSummary(CurrentRequest())) ApplyOutcome(kSummaryRequest, RequestNotStarted(kSummaryRequest));
}

void CArchivistDlg::BackUp() {
    SetState(BackupState::Busy);
    ShowStatus(true, kBackingUpText);
    if (!archive_.PrepareArchiveFolder()) return StopForMissingArchive(kListRequest);
    SetServiceHost(settings_.Client().serviceHost);
    if (!GetBlogList(CurrentRequest())) ApplyOutcome(kListRequest, RequestNotStarted(kListRequest));
}

void CArchivistDlg::StopForMissingArchive(int kind) {
    // Nothing was sent and nothing written; the buttons let the user try again once the
    // disk is back.
    SetState(RequestNotStarted(kind).state);
    ShowStatus(true, ArchiveFolderMissingText(archive_.Root()));
    if (unattended_) Quit(kExitArchiveMissing);
}

void CArchivistDlg::OnBlogSummary(BlogSummaryAnswer answer) {
    if (answer.result == kBackupSuccess) {
        summary_ = answer.summary;
        // Off the user-interface thread, while the tree is disabled.
        if (archive_.NeedsPageUpgrade()) archive_.UpgradePages();
    }
    Post(WM_BACKUP_RESPONSE, kSummaryRequest, answer.result);
}

void CArchivistDlg::OnBlogList(BlogListAnswer answer) {
    const StoreOutcome stored = archive_.StoreBackup(std::move(answer));
    Post(WM_BACKUP_RESPONSE, kListRequest, stored.result);
}

void CArchivistDlg::OnNookBackupResponse(int kind, int result) {
    ResponseOutcome outcome = InterpretBackupResponse(kind, result, summary_, archive_.PendingPhotoCount() > 0);
    if (!outcome.handled) return;
    if (outcome.state == BackupState::ReadyToBackUp && kind == kSummaryRequest && archive_.FullBackupPending())
        outcome.status = kFullBackupNeededText;
    if (kind == kListRequest) {
        // The transfer thread has rebuilt the tree's data; the view follows here.
        FillTree();
    }
    ApplyOutcome(kind, outcome);
}

void CArchivistDlg::ApplyOutcome(int kind, const ResponseOutcome& outcome) {
    if (outcome.logLine) log_.WriteLog(outcome.logLine);
    const bool downloading = outcome.followUp == ResponseFollowUp::StartDownloads;
    const bool downloadsStarted = downloading && StartDownloads();
    ShowStatus(true, downloadsStarted ? photoProgress_.Text(GetTickCount64()) : outcome.status);
    SetState(outcome.state);
    if (outcome.followUp == ResponseFollowUp::ExpandFirstRoot) controls_.Tree().ExpandAll(0);
    if (downloading && !downloadsStarted) {
        // No pass thread: no progress will ever come, so the pass ends here.
        OnDownloadProgress(false, 100);
        return;
    }
    if (unattended_) ContinueUnattended(kind);
}

bool CArchivistDlg::StartDownloads() {
    // Only the current user's pending photos, each pass anew.
    std::vector<DownloadItem> items = archive_.PendingDownloads();
    SendMessageW(controls_.Progress(), PBM_SETPOS, 0, 0);
    ShowWindow(controls_.Progress(), SW_SHOW);
    if (items.empty()) return false;
    IPhotoPassSink& recorder = archive_.BeginPhotoPass(items);
    photoProgress_.Begin(items.size(), GetTickCount64());
    return downloads_.Start(Hwnd(), WM_DOWNLOAD_PROGRESS, std::move(items), &recorder,
                            settings_.Client().downloadTimeoutSeconds,
                            settings_.Client().downloadConnections);
}

void CArchivistDlg::OnDownloadProgress(bool stored, int percent) {
    if (state_ != BackupState::DownloadingPhotos) return;
    if (stored) SendMessageW(controls_.Progress(), PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    if (percent != 100) {
        // One message a photo, in the order they finish.
        if (std::optional<std::string> text = photoProgress_.PhotoHandled(GetTickCount64())) ShowStatus(true, *text);
        return;
    }
    // The pass thread saves the photo list as it ends: nothing may touch the list before.
    downloads_.Stop();
    SetState(BackupState::Done);
    ShowStatus(true, PhotoPassEndText(archive_.PendingPhotoCount(), archive_.GonePhotoCount()));
    ShowWindow(controls_.Progress(), SW_HIDE);
    controls_.Tree().ExpandAll(0);
    controls_.Tree().ExpandAll(1);
    if (unattended_) Quit(AfterPhotoPass(archive_.PendingPhotoCount()).exitCode);
}

void CArchivistDlg::ContinueUnattended(int kind) {
    const UnattendedDecision next = AfterResponse(kind, state_);
    switch (next.step) {
    case UnattendedStep::BackUp: BackUp(); break;
    case UnattendedStep::Finish: Quit(next.exitCode); break;
    case UnattendedStep::Wait: break;
    }
}

// ---------------------------------------------------------------------------------------
// Status line, page view and tree

void CArchivistDlg::DoDataExchange(CDataExchange& exchange) { exchange.Text(IDC_STATUS, statusText_); }

void CArchivistDlg::ShowStatus(bool show, const std::string& text) {
    ShowWindow(controls_.Status(), show ? SW_SHOW : SW_HIDE);
    if (!show) return;
    if (controls_.HasExplorer()) ShowWindow(controls_.Explorer().Hwnd(), SW_HIDE);
    statusText_ = text;
    UpdateData(false);
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CArchivistDlg::ShowPage(const std::string& path) {
    ShowWindow(controls_.Status(), SW_HIDE);
    if (!controls_.HasExplorer()) return;
    ShowWindow(controls_.Explorer().Hwnd(), SW_SHOW);
    controls_.Explorer().Navigate(path);
}

void CArchivistDlg::OnTreeSelectionChanged(HTREEITEM selected) {
    // While a worker runs the archive is being written: the tree is disabled and nothing
    // of the archive is read here.
    if (fillingTree_ || !ControlsOf(state_).tree) return;
    CArchiveTreeView& tree = controls_.Tree();
    TreeItemInfo item, parent, grandparent;
    const bool hasItem = tree.Info(selected, item);
    const HTREEITEM parentItem = hasItem ? tree.Parent(selected) : nullptr;
    const bool hasParent = tree.Info(parentItem, parent);
    const bool hasGrandparent = hasParent && tree.Info(tree.Parent(parentItem), grandparent);
    const SelectionView view =
        ViewForSelection(hasItem ? &item : nullptr, hasParent ? &parent : nullptr,
                         hasGrandparent ? &grandparent : nullptr, archive_.Root(), settings_.User().userName);
    switch (view.shows) {
    case SelectionShows::Page: ShowPage(view.path); break;
    case SelectionShows::DiaryCount: ShowStatus(true, DiaryCountText(archive_.Blogs().size())); break;
    case SelectionShows::MiniDiaryCount: ShowStatus(true, MiniDiaryCountText(archive_.Twitters().size())); break;
    case SelectionShows::Nothing: break;
    }
}

void CArchivistDlg::StepToLeaf(bool forward) {
    CArchiveTreeView& tree = controls_.Tree();
    if (HTREEITEM leaf = tree.NeighbourLeaf(tree.Selected(), forward)) tree.Select(leaf);
}

void CArchivistDlg::SetState(BackupState state) {
    state_ = state;
    controls_.ApplyState(state);
}

// ---------------------------------------------------------------------------------------
// Commands and messages

bool CArchivistDlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    const StateControls active = ControlsOf(state_);
    switch (id) {
    case IDC_LOGIN:
        // A click that reaches a button its state hides starts nothing.
        if (!active.login) return true;
        if (RunLoginDialog(true))
            StartLogin();
        else
            SetState(BackupState::LoggedOut);
        return true;
    case IDC_BACKUP:
        if (active.backup) BackUp();
        return true;
    case IDC_REFRESH:
        if (active.refresh) Refresh();
        return true;
    case IDC_HOME_LINK: ShellOpen(kHomePageAddress); return true;
    case IDC_FORUM_LINK: ShellOpen(kForumPageAddress); return true;
    case IDC_PREV_PAGE: StepToLeaf(false); return true;
    case IDC_NEXT_PAGE: StepToLeaf(true); return true;
    default: return false;
    }
}

void CArchivistDlg::OnClose() {
    CNotifyDialog notice(kNoticeSkin);
    notice.SetTitle(kNoticeTitle);
    notice.SetMessage(kConfirmQuitText);
    notice.SetMode(CNotifyDialog::kOkCancel);
    // Closed by hand before an unattended backup finished: it did not complete.
    if (notice.DoModal(Hwnd()) == IDOK) Quit(unattended_ ? kExitBackupFailed : kExitBackedUp);
}

void CArchivistDlg::StopWorkers() {
    CBackupServiceClient::Stop();
    downloads_.Stop();
}

void CArchivistDlg::Quit(int exitCode) {
    if (quitting_) return;
    quitting_ = true;
    exitCode_ = exitCode;
    // A stopped request still reports; quitting_ keeps that report from being acted on.
    StopWorkers();
    PostQuitMessage(exitCode);
}

void CArchivistDlg::PaintMinimisedIcon() {
    CPaintDC dc(Hwnd());
    RECT client;
    GetClientRect(Hwnd(), &client);
    DrawIcon(dc.Get(), (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2,
             (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2, bigIcon_.Get());
}

void CArchivistDlg::DrawBackground(HDC dc) {
    const CSkinBitmap& background = BackgroundBitmap();
    RECT client;
    GetClientRect(Hwnd(), &client);
    if (!background || client.right <= 0 || client.bottom <= 0) return;
    // Composed off screen, so the buttons can take what lies under them from the copy.
    CMemoryDC canvas(dc);
    CBitmapHandle bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!canvas || !bitmap) return;
    CSelectObject select(canvas.Get(), bitmap.Get());
    CBrushHandle fill(CreateSolidBrush(kClientColour));
    FillRect(canvas.Get(), &client, fill.Get());
    const POINT origin = SkinOrigin(Hwnd());
    const SIZE skin = SkinSize(Hwnd());
    DrawGrownBitmap(canvas.Get(), background, origin.x, origin.y, skin.cx, skin.cy);
    BitBlt(dc, 0, 0, client.right, client.bottom, canvas.Get(), 0, 0, SRCCOPY);
    controls_.RefreshButtonBackgrounds(canvas.Get());
}

LRESULT CArchivistDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_BACKUP_RESPONSE:
        if (!quitting_) OnNookBackupResponse(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_DOWNLOAD_PROGRESS:
        if (!quitting_) OnDownloadProgress(wParam != 0, static_cast<int>(lParam));
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->idFrom == IDC_ARCHIVE_TREE &&
            (header->code == TVN_SELCHANGEDW || header->code == TVN_SELCHANGEDA)) {
            OnTreeSelectionChanged(reinterpret_cast<const NMTREEVIEWW*>(lParam)->itemNew.hItem);
        }
        break; // the skin repaints its frame after every notification
    }
    case WM_SIZE: {
        LRESULT result = CSkinDialog::WindowProc(msg, wParam, lParam);
        if (initialised_ && wParam != SIZE_MINIMIZED) controls_.Layout();
        return result;
    }
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_PAINT:
        if (IsIconic(Hwnd())) {
            PaintMinimisedIcon();
            return 0;
        }
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(bigIcon_.Get());
    case WM_DESTROY:
        StopWorkers();
        break;
    default:
        if (IsControlColourMessage(msg)) {
            LRESULT brush = CSkinDialog::WindowProc(msg, wParam, lParam);
            return ControlBrush(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), brush);
        }
        break;
    }
    return CSkinDialog::WindowProc(msg, wParam, lParam);
}

} // namespace nook
