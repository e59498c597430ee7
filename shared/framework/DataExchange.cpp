#include "framework/DataExchange.h"

#include "framework/Window.h"
#include "platform/win32/WideText.h"

namespace nook {

HWND CDataExchange::Control(int id) {
    HWND control = GetDlgItem(dialog_, id);
    if (!control) ok_ = false;
    return control;
}

void CDataExchange::Text(int id, std::string& value) {
    HWND control = Control(id);
    if (!control) return;
    if (saving_) {
        value = platform::FromWide(WindowText(control));
    } else {
        SetWindowTextW(control, platform::ToWide(value).c_str());
    }
}

void CDataExchange::Check(int id, int& value) {
    HWND control = Control(id);
    if (!control) return;
    if (saving_) {
        value = static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0));
    } else {
        SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

} // namespace nook
