#include "framework/Window.h"

#include "framework/Application.h"
#include "platform/win32/WideText.h"

#include <vector>

namespace nook {

namespace {

const wchar_t kObjectProperty[] = L"NookWindowObject";
const wchar_t kWindowClass[] = L"NookWindow";

bool RegisterWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

} // namespace

CWindow::~CWindow() {
    if (hwnd_) Unbind();
}

CWindow* CWindow::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<CWindow*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

void CWindow::Bind(HWND hwnd, WNDPROC defaultProc) {
    hwnd_ = hwnd;
    defaultProc_ = defaultProc;
    destroyed_ = false;
    SetPropW(hwnd, kObjectProperty, this);
}

void CWindow::Unbind() {
    if (!destroyed_) {
        RemovePropW(hwnd_, kObjectProperty);
        // Put the old procedure back only while ours is still the one installed.
        auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC));
        if (current == StaticWindowProc && defaultProc_ != DefWindowProcW)
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
    }
    hwnd_ = nullptr;
}

HWND CWindow::Detach() {
    HWND hwnd = destroyed_ ? nullptr : hwnd_;
    if (hwnd_) Unbind();
    return hwnd;
}

bool CWindow::Subclass(HWND hwnd) {
    if (hwnd_ || !IsWindow(hwnd) || FromHandle(hwnd)) return false;
    auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    Bind(hwnd, old);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc));
    OnSubclassed();
    return true;
}

bool CWindow::SubclassDlgItem(int id, HWND dialog) {
    return Subclass(GetDlgItem(dialog, id));
}

bool CWindow::CreateChild(HWND parent, int id, const RECT& rect, DWORD style, DWORD exStyle) {
    if (hwnd_ || !RegisterWindowClass(StaticWindowProc)) return false;
    // Binds at WM_NCCREATE, through the creation parameter.
    HWND hwnd =
        CreateWindowExW(exStyle, kWindowClass, L"", style | WS_CHILD, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), this);
    return hwnd != nullptr && hwnd_ == hwnd;
}

LRESULT CALLBACK CWindow::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindow* self = FromHandle(hwnd);
    if (!self && msg == WM_NCCREATE) {
        self = static_cast<CWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) self->Bind(hwnd, DefWindowProcW);
    }
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}

LRESULT CWindow::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    ++depth_;
    LRESULT result = WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        // The last moment at which the window still owns its properties.
        RemovePropW(hwnd_, kObjectProperty);
        destroyed_ = true;
    }
    if (--depth_ == 0 && destroyed_ && hwnd_) {
        Unbind();
        if (CApplication* app = CApplication::Current(); app && app->MainWindow() == this) {
            app->SetMainWindow(nullptr);
            PostQuitMessage(0);
        }
        OnFinalMessage(); // may delete this
    }
    return result;
}

LRESULT CWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DRAWITEM && lParam) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        CWindow* control = item.CtlType == ODT_MENU ? nullptr : FromHandle(item.hwndItem);
        if (control && control->DrawItem(item)) return TRUE;
    }
    return DefaultProc(msg, wParam, lParam);
}

LRESULT CWindow::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!hwnd_ || !defaultProc_) return 0;
    return CallWindowProcW(defaultProc_, hwnd_, msg, wParam, lParam);
}

bool CWindow::DrawItem(const DRAWITEMSTRUCT&) {
    return false;
}

bool CWindow::ReflectCommand(WPARAM wParam, LPARAM lParam) {
    CWindow* control = lParam ? FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr;
    return control && control->OnReflectedCommand(HIWORD(wParam));
}

std::string CWindow::GetText() const {
    if (!hwnd_) return {};
    return platform::FromWide(WindowText(hwnd_));
}

void CWindow::SetText(std::string_view text) {
    if (hwnd_) SetWindowTextW(hwnd_, platform::ToWide(text).c_str());
}

bool CWindow::Post(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return hwnd_ && PostMessageW(hwnd_, msg, wParam, lParam);
}

LRESULT CWindow::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return hwnd_ ? SendMessageW(hwnd_, msg, wParam, lParam) : 0;
}

std::wstring WindowText(HWND hwnd) {
    std::vector<wchar_t> buffer(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1);
    const int length = GetWindowTextW(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<size_t>(length));
}

UINT RegisterMessage(std::string_view name) {
    return RegisterWindowMessageW(platform::ToWide(name).c_str());
}

} // namespace nook
