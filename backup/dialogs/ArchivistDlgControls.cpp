#include "dialogs/ArchivistDlgControls.h"

#include "dialogs/SkinPlacement.h"
#include "dialogs/flow/ArchivistDlgLayout.h"
#include "dialogs/flow/ArchivistDlgTexts.h"
#include "res/resource.h"
#include "skin/SkinColours.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace nook {

namespace {

constexpr COLORREF kActionKey = RGB(236, 236, 236);
constexpr COLORREF kLinkKey = RGB(0, 0, 0);

struct ButtonSetup {
    int id;
    int normalImage;
    int hoverImage;
    COLORREF key;
    const char* tooltip; // null: none
};

// An inactive twin, the banner and the decorations have one image for both looks.
const ButtonSetup kButtons[] = {
    {IDC_LOGIN, IDB_LOGIN, IDB_LOGIN_HOVER, kActionKey, kLoginTip},
    {IDC_LOGIN_INACTIVE, IDB_LOGIN_INACTIVE, IDB_LOGIN_INACTIVE, kActionKey, kLoginTip},
    {IDC_BACKUP, IDB_BACKUP, IDB_BACKUP_HOVER, kActionKey, kBackupTip},
    {IDC_BACKUP_INACTIVE, IDB_BACKUP_INACTIVE, IDB_BACKUP_INACTIVE, kActionKey, kBackupTip},
    {IDC_REFRESH, IDB_REFRESH, IDB_REFRESH_HOVER, kActionKey, kRefreshTip},
    {IDC_REFRESH_INACTIVE, IDB_REFRESH_INACTIVE, IDB_REFRESH_INACTIVE, kActionKey, kRefreshTip},
    {IDC_HOME_LINK, IDB_HOME_LINK, IDB_HOME_LINK_HOVER, kLinkKey, nullptr},
    {IDC_FORUM_LINK, IDB_FORUM_LINK, IDB_FORUM_LINK_HOVER, kLinkKey, nullptr},
    {IDC_PREV_PAGE, IDB_PREV_PAGE, IDB_PREV_PAGE_HOVER, kLinkKey, nullptr},
    {IDC_NEXT_PAGE, IDB_NEXT_PAGE, IDB_NEXT_PAGE_HOVER, kLinkKey, nullptr},
    {IDC_BANNER, IDB_BANNER, IDB_BANNER, kMagenta, nullptr},
    {IDC_DECO_SIGNATURE, IDB_DECO_SIGNATURE, IDB_DECO_SIGNATURE, kMagenta, nullptr},
    {IDC_DECO_HOME, IDB_DECO_HOME, IDB_DECO_HOME, kMagenta, nullptr},
    {IDC_DECO_FORUM, IDB_DECO_FORUM, IDB_DECO_FORUM, kMagenta, nullptr},
};

struct TwinPair {
    int active;
    int inactive;
};

} // namespace

void CArchivistDlgControls::Attach(HWND dialog) {
    dialog_ = dialog;
    static_assert(std::size(kButtons) == kButtonCount);
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonSetup& setup = kButtons[i];
        CSkinButton& button = buttons_[i];
        if (!button.SubclassDlgItem(setup.id, dialog)) continue;
        button.SetBitmaps(setup.hoverImage, setup.key, setup.normalImage, setup.key);
        // The hover images are the feedback; a 3-D border would cut into the skin.
        button.SetDrawBorder(false, false);
        button.SetTransparent(false); // transparent mode, no repaint yet
        if (setup.tooltip) button.SetTooltipText(setup.tooltip);
    }
    workFrame_.SubclassDlgItem(IDC_WORK_FRAME, dialog);
    pageFrame_.SubclassDlgItem(IDC_PAGE_FRAME, dialog);
    treeFrame_.SubclassDlgItem(IDC_TREE_FRAME, dialog);
    for (CSkinFrame* frame : {&workFrame_, &pageFrame_}) {
        frame->SetBitmaps(IDB_PANEL_TOP_LEFT, IDB_PANEL_TOP, IDB_PANEL_TOP_RIGHT, IDB_PANEL_LEFT, IDB_PANEL_RIGHT,
                          IDB_PANEL_BOTTOM_LEFT, IDB_PANEL_BOTTOM, IDB_PANEL_BOTTOM_RIGHT);
    }
    treeFrame_.SetBitmaps(IDB_TREE_FRAME_TOP_LEFT, IDB_TREE_FRAME_TOP, IDB_TREE_FRAME_TOP_RIGHT, IDB_TREE_FRAME_LEFT,
                          IDB_TREE_FRAME_RIGHT, IDB_TREE_FRAME_BOTTOM_LEFT, IDB_TREE_FRAME_BOTTOM,
                          IDB_TREE_FRAME_BOTTOM_RIGHT);

    tree_.Attach(GetDlgItem(dialog, IDC_ARCHIVE_TREE));
    SendMessageW(Progress(), PBM_SETRANGE32, 0, 100);
    ShowWindow(Progress(), SW_HIDE);
    // Without a browser the empty placeholder would only cover the page frame.
    if (FAILED(explorer_.Create(dialog, IDC_EXPLORER))) ShowWindow(GetDlgItem(dialog, IDC_EXPLORER), SW_HIDE);
}

HWND CArchivistDlgControls::Status() const { return GetDlgItem(dialog_, IDC_STATUS); }
HWND CArchivistDlgControls::Progress() const { return GetDlgItem(dialog_, IDC_PROGRESS); }

void CArchivistDlgControls::Layout() {
    if (!dialog_) return;
    const SIZE skin = SkinSize(dialog_);
    const POINT origin = SkinOrigin(dialog_);
    const std::vector<ControlPlace> places = ArchivistDlgLayout(skin.cx, skin.cy, IsZoomed(dialog_) != FALSE);
    for (const ControlPlace& place : places) {
        const int x = place.x + origin.x, y = place.y + origin.y;
        switch (place.id) {
        case IDC_WORK_FRAME: workFrame_.PlaceAround(x, y, place.width, place.height); break;
        case IDC_PAGE_FRAME: pageFrame_.PlaceAround(x, y, place.width, place.height); break;
        case IDC_TREE_FRAME: treeFrame_.PlaceAround(x, y, place.width, place.height); break;
        default:
            if (HWND control = GetDlgItem(dialog_, place.id)) MoveWindow(control, x, y, place.width, place.height, TRUE);
            break;
        }
    }
    ClipStatusToPage(places);
}

void CArchivistDlgControls::ClipStatusToPage(const std::vector<ControlPlace>& places) {
    // The status line reaches over the page frame's border; only the part over the page
    // is painted, so the border stays whole.
    const ControlPlace* status = nullptr;
    const ControlPlace* page = nullptr;
    for (const ControlPlace& place : places) {
        if (place.id == IDC_STATUS) status = &place;
        if (place.id == IDC_EXPLORER) page = &place;
    }
    if (!status || !page) return;
    const int left = std::max(status->x, page->x) - status->x;
    const int right = std::min(status->x + status->width, page->x + page->width) - status->x;
    SetWindowRgn(Status(), CreateRectRgn(left, 0, right, status->height), TRUE); // the window owns the region
}

void CArchivistDlgControls::ApplyState(BackupState state) {
    const StateControls controls = ControlsOf(state);
    const std::pair<TwinPair, bool> twins[] = {{{IDC_LOGIN, IDC_LOGIN_INACTIVE}, controls.login},
                                               {{IDC_BACKUP, IDC_BACKUP_INACTIVE}, controls.backup},
                                               {{IDC_REFRESH, IDC_REFRESH_INACTIVE}, controls.refresh}};
    for (const auto& [pair, active] : twins) {
        ShowWindow(GetDlgItem(dialog_, pair.active), active ? SW_SHOW : SW_HIDE);
        ShowWindow(GetDlgItem(dialog_, pair.inactive), active ? SW_HIDE : SW_SHOW);
    }
    EnableWindow(tree_.Hwnd(), controls.tree ? TRUE : FALSE);
}

void CArchivistDlgControls::RefreshButtonBackgrounds(HDC background) {
    for (CSkinButton& button : buttons_) button.RefreshBackground(background);
}

} // namespace nook
