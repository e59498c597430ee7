#include "framework/DataExchange.h"

#include "platform/win32/WideText.h"

#include <vector>

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
        std::vector<wchar_t> buffer(static_cast<size_t>(GetWindowTextLengthW(control)) + 1);
        int length = GetWindowTextW(control, buffer.data(), static_cast<int>(buffer.size()));
        value = platform::FromWide(std::wstring_view(buffer.data(), static_cast<size_t>(length)));
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
