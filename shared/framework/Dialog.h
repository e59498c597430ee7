// Dialog from a template, modal or modeless.
//
// The dialog procedure binds the object at WM_INITDIALOG (the object arrives as the
// creation parameter) and subclasses the dialog window; from then on every message
// goes through the virtual handlers with the dialog manager's handling as the default,
// so results are plain window-procedure results.
#pragma once

#include "framework/DataExchange.h"
#include "framework/Window.h"

namespace nook {

class CDialog : public CWindow {
  public:
    // `module` holds the template; null for the program itself.
    explicit CDialog(int templateId, HINSTANCE module = nullptr);
    // Destroys a modeless dialog that is still open.
    ~CDialog() override;

    // Runs the dialog modally; the result given to EndDialog, or -1 when the dialog
    // could not be created.
    INT_PTR DoModal(HWND parent = nullptr);
    // Creates the dialog modeless.
    bool Create(HWND parent = nullptr);
    // Ends a modal dialog with `result`; destroys a modeless one.
    void EndDialog(INT_PTR result);

    // Controls to members (`save`) or members to controls, through DoDataExchange.
    bool UpdateData(bool save = true);

    int TemplateId() const { return templateId_; }

  protected:
    // Default: loads the members into the controls; true lets the system set the focus.
    virtual bool OnInitDialog();
    // Default: saves the controls into the members and ends with IDOK.
    virtual void OnOK();
    // Default: ends with IDCANCEL.
    virtual void OnCancel();
    // A WM_COMMAND; true when handled. Unhandled IDOK and IDCANCEL go to OnOK/OnCancel.
    virtual bool OnCommand(int id, int code, HWND control);
    virtual void DoDataExchange(CDataExchange&) {}

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HINSTANCE module_;
    bool modal_ = false;
};

} // namespace nook
