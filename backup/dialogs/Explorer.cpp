#include "dialogs/Explorer.h"

namespace nook {

namespace {

// {8856F961-340A-11D0-A96B-00C04FD705A2}
const CLSID kWebBrowserClass = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
constexpr DISPID kNavigate = 104;

} // namespace

HRESULT CExplorer::Create(HWND dialog, int placeholderId) {
    return CreateInPlaceOf(kWebBrowserClass, dialog, placeholderId);
}

HRESULT CExplorer::Navigate(const std::string& url) {
    if (!HasControl()) return E_UNEXPECTED;
    SetText(url);
    std::vector<CVariant> args;
    args.push_back(CVariant::Text(url));
    for (int i = 0; i < 4; ++i) args.emplace_back(); // flags, target frame, post data, headers: empty
    return CallMethod(kNavigate, std::move(args));
}

} // namespace nook
