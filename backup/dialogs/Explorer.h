// The page view: the system's web-browser control hosted in place of a dialog control.
// Only its Navigate method is used.
#pragma once

#include "framework/ActiveXHost.h"

#include <string>

namespace nook {

class CExplorer final : public CActiveXHost {
public:
    // Creates the browser in place of control `placeholderId` of `dialog`; on failure
    // the placeholder stays and Navigate does nothing.
    HRESULT Create(HWND dialog, int placeholderId);

    // Opens `url` (code page 936: an address or a file path) with no flags, target
    // frame, post data or headers. The host window's text names the address last
    // opened, for whatever reads the dialog's windows (a screen reader, the tests).
    HRESULT Navigate(const std::string& url);
};

} // namespace nook
