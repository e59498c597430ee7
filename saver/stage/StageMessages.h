// What the picture worker posts to the stage window. A pointer in lParam is the
// window's from the moment it is posted; one that cannot be posted stays the worker's.
#pragma once

#include "stage/StagePicture.h"

#include <windows.h>

#include <memory>
#include <string>

namespace nook {

// The album chosen: lParam is a StageAlbum*.
inline constexpr UINT WM_STAGE_ALBUM = WM_APP + 1;
// One picture more: lParam is a StagePicture*.
inline constexpr UINT WM_STAGE_PICTURE = WM_APP + 2;
// No picture of the album can be shown; no lParam.
inline constexpr UINT WM_STAGE_NO_PICTURES = WM_APP + 3;

struct StageAlbum {
    std::unique_ptr<StagePicture> board; // null when the album has none (or it is no picture)
    std::string music;                   // path, or empty
};

} // namespace nook
