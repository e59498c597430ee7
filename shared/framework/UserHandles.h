// Owners for a menu (DestroyMenu) and an image list (ImageList_Destroy).
#pragma once

#include "util/ScopedHandle.h"

#include <windows.h>
#include <commctrl.h>

namespace nook {

struct MenuTraits {
    using Handle = HMENU;
    static Handle None() { return nullptr; }
    static void Close(Handle menu) { DestroyMenu(menu); }
};
using CMenuHandle = CScopedHandle<MenuTraits>;

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle None() { return nullptr; }
    static void Close(Handle list) { ImageList_Destroy(list); }
};
using CImageListHandle = CScopedHandle<ImageListTraits>;

} // namespace nook
