#include "tests/saver/StandInWindow.h"

namespace nook::test {

namespace {
const wchar_t kClass[] = L"NookSaverTestWindow";
}

CStandInWindow::CStandInWindow(const wchar_t* title, DWORD style) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, kClass, title, style | WS_CLIPCHILDREN, 40, 40, 400, 300, nullptr, nullptr,
                            wc.hInstance, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CStandInWindow::~CStandInWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

HWND CStandInWindow::AddPreview() {
    return CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | SS_GRAYRECT, 60, 40,
                           200, 150, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK CStandInWindow::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CStandInWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->expected_ && msg == self->expected_) {
        ++self->received_;
        self->wParam_ = wParam;
        self->lParam_ = lParam;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace nook::test
