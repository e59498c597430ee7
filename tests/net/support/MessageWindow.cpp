#include "tests/net/support/MessageWindow.h"

namespace nook::test {

namespace {

const wchar_t kClassName[] = L"NookTestMessageWindow";

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
}

} // namespace

CMessageWindow::CMessageWindow() {
    RegisterOnce();
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

CMessageWindow::~CMessageWindow() {
    if (window_) DestroyWindow(window_);
}

std::vector<PostedMessage> CMessageWindow::CollectUntil(UINT message, LPARAM lastLParam, DWORD milliseconds) {
    std::vector<PostedMessage> collected;
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, window_, message, message, PM_REMOVE)) {
            collected.push_back({msg.wParam, msg.lParam});
            if (msg.lParam == lastLParam) return collected;
        }
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) return collected;
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds - elapsed, QS_POSTMESSAGE, MWMO_INPUTAVAILABLE);
    }
}

std::vector<PostedMessage> CMessageWindow::CollectFor(UINT message, DWORD milliseconds) {
    // No lParam is ever -1 here, so this gathers for the whole time.
    return CollectUntil(message, -1, milliseconds);
}

} // namespace nook::test
