#include "tests/backup_app/support/TextRecorder.h"

#include "platform/win32/WideText.h"

namespace nook::test {

namespace {
const wchar_t kRecorderProperty[] = L"NookTextRecorder";
}

CTextRecorder::CTextRecorder(HWND control) : control_(control) {
    SetPropW(control_, kRecorderProperty, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CTextRecorder::Procedure)));
}

CTextRecorder::~CTextRecorder() {
    if (!IsWindow(control_)) return;
    SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropW(control_, kRecorderProperty);
}

std::vector<std::string> CTextRecorder::Texts() const {
    std::lock_guard<std::mutex> guard(lock_);
    return texts_;
}

LRESULT CALLBACK CTextRecorder::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CTextRecorder*>(GetPropW(hwnd, kRecorderProperty));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_SETTEXT && lParam) {
        std::lock_guard<std::mutex> guard(self->lock_);
        self->texts_.push_back(platform::FromWide(reinterpret_cast<const wchar_t*>(lParam)));
    }
    return CallWindowProcW(self->previous_, hwnd, msg, wParam, lParam);
}

} // namespace nook::test
