// NookBackup's resources for the skin: the skin library has none of its own, so the
// program names the bitmaps and templates it draws with.
#pragma once

#include "res/resource.h"
#include "skin/NotifyDialog.h"
#include "skin/SkinDialog.h"

namespace nook {

inline const SkinDialogIds kMainWindowSkin{
    {IDB_FRAME_TOP_LEFT, IDB_FRAME_TOP, IDB_FRAME_TOP_RIGHT, IDB_FRAME_LEFT, IDB_FRAME_RIGHT,
     IDB_FRAME_BOTTOM_LEFT, IDB_FRAME_BOTTOM, IDB_FRAME_BOTTOM_RIGHT},
    {IDB_CAPTION_CLOSE, IDB_CAPTION_CLOSE_HOVER},
    {IDB_CAPTION_MAXIMISE, IDB_CAPTION_MAXIMISE_HOVER},
    {IDB_CAPTION_RESTORE, IDB_CAPTION_RESTORE_HOVER},
    {IDB_CAPTION_MINIMISE, IDB_CAPTION_MINIMISE_HOVER},
    IDB_MAIN_BACKGROUND,
};

inline const NotifyDialogIds kNoticeSkin{
    IDD_NOTIFY,
    IDB_NOTICE_BACKGROUND,
    IDC_CLOSE,
    IDC_MESSAGE,
    IDC_COUNTDOWN,
    {IDB_CAPTION_CLOSE, IDB_CAPTION_CLOSE_HOVER},
    {IDB_OK, IDB_OK_HOVER},
    {IDB_CANCEL, IDB_CANCEL_HOVER},
};

} // namespace nook
