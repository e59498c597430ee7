#include "framework/Dialog.h"

namespace nook {

CDialog::CDialog(int templateId, HINSTANCE module)
    : templateId_(templateId), module_(module ? module : GetModuleHandleW(nullptr)) {}

CDialog::~CDialog() {
    // Unbound first: the window's last messages must not reach a half-destroyed object.
    if (HWND hwnd = Detach(); hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
}

INT_PTR CDialog::DoModal(HWND parent) {
    if (Hwnd()) return -1;
    modal_ = true;
    return DialogBoxParamW(module_, MAKEINTRESOURCEW(templateId_), parent, StaticDialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create(HWND parent) {
    if (Hwnd()) return false;
    modal_ = false;
    return CreateDialogParamW(module_, MAKEINTRESOURCEW(templateId_), parent, StaticDialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    if (!Hwnd()) return;
    if (modal_) {
        ::EndDialog(Hwnd(), result);
    } else {
        DestroyWindow(Hwnd());
    }
}

bool CDialog::UpdateData(bool save) {
    CDataExchange exchange(Hwnd(), save);
    DoDataExchange(exchange);
    return exchange.Ok();
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(int, int, HWND) {
    return false;
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        int code = HIWORD(wParam);
        auto control = reinterpret_cast<HWND>(lParam);
        if (ReflectCommand(wParam, lParam) || OnCommand(id, code, control)) return 0;
        if (id == IDOK && code == BN_CLICKED) {
            OnOK();
            return 0;
        }
        if (id == IDCANCEL && code == BN_CLICKED) {
            OnCancel();
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return CWindow::WindowProc(msg, wParam, lParam);
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG) return FALSE; // the subclassed procedure has run the handlers
    auto* self = reinterpret_cast<CDialog*>(lParam);
    if (!self || !self->Subclass(hwnd)) return TRUE;
    return self->Dispatch(WM_INITDIALOG, 0, 0);
}

} // namespace nook
