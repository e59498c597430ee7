// The controls of the main dialog as the backup flow sees them: skinned buttons with
// their images and tooltips, the three frames, the archive tree, the page view, the
// status line and the progress bar. Knows where each stands and which action buttons a
// state shows; knows nothing of the flow itself.
#pragma once

#include "dialogs/ArchiveTreeView.h"
#include "dialogs/Explorer.h"
#include "dialogs/flow/ArchivistDlgLayout.h"
#include "dialogs/flow/BackupState.h"
#include "skin/SkinButton.h"
#include "skin/SkinFrame.h"

#include <windows.h>

#include <vector>

namespace nook {

class CArchivistDlgControls {
public:
    // Binds the controls of the main dialog `dialog`, gives them their images, tooltips
    // and frames, sets up the tree's image list and the progress bar (0 to 100, hidden),
    // and creates the page view (hiding its placeholder when the browser is missing).
    void Attach(HWND dialog);

    // Places every control for the dialog's current size: the fixed places at normal
    // size, the grown ones when maximised.
    void Layout();

    // Shows each action button or its inactive twin, and enables the tree, as `state` wants.
    void ApplyState(BackupState state);

    // Takes, from `background` (a copy of the dialog's client area), what lies under
    // each button, so the buttons draw over the skin.
    void RefreshButtonBackgrounds(HDC background);

    CArchiveTreeView& Tree() { return tree_; }
    CExplorer& Explorer() { return explorer_; }
    bool HasExplorer() const { return explorer_.HasControl(); }
    HWND Status() const;
    HWND Progress() const;

private:
    static constexpr int kButtonCount = 14;

    void ClipStatusToPage(const std::vector<ControlPlace>& places);

    HWND dialog_ = nullptr;
    CSkinButton buttons_[kButtonCount]; // in the order of the button table
    CSkinFrame workFrame_, pageFrame_, treeFrame_;
    CArchiveTreeView tree_;
    CExplorer explorer_;
};

} // namespace nook
