#include "tests/backup_app/support/UiWaits.h"

#include "framework/Window.h"
#include "platform/win32/WideText.h"

namespace nook::test {

namespace {

struct Search {
    DWORD threadId;
    int childId;
    HWND found = nullptr;
};

BOOL CALLBACK CheckWindow(HWND hwnd, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    if (search.threadId && GetWindowThreadProcessId(hwnd, nullptr) != search.threadId) return TRUE;
    if (!IsWindowVisible(hwnd) || !GetDlgItem(hwnd, search.childId)) return TRUE;
    search.found = hwnd;
    return FALSE;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return condition();
        Sleep(25);
    }
}

HWND FindDialogWith(DWORD threadId, int childId) {
    Search search{threadId, childId};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialogWith(DWORD threadId, int childId, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialogWith(threadId, childId)) != nullptr; }, timeoutMs);
    return found;
}

std::string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return "<no control>";
    return platform::FromWide(WindowText(control));
}

bool WaitForText(HWND dialog, int id, const std::string& text, DWORD timeoutMs) {
    return WaitUntil([&] { return ControlText(dialog, id) == text; }, timeoutMs);
}

bool ControlVisible(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool ControlEnabled(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control && IsWindowEnabled(control);
}

void PostClick(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetControlText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextW(dialog, id, platform::ToWide(text).c_str());
}

} // namespace nook::test
