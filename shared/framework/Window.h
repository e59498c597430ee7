// Window wrapper: a C++ object bound to one HWND.
//
// Every wrapped window runs through one static window procedure, which finds its object
// in a window property. A window of our own class binds at WM_NCCREATE; an existing
// window (a dialog, or a control of a dialog template) binds by subclassing, and from
// then on its old procedure is the "default handling" of DefaultProc. Messages that
// arrive before the object is bound get the default handling only.
//
// Destruction: the object learns of WM_NCDESTROY, unbinds when the outermost message it
// is handling returns (so a handler may destroy its own window), and then gets
// OnFinalMessage, where a self-owned object may delete itself.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace nook {

class CWindow {
  public:
    CWindow() = default;
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // The object bound to `hwnd`, or null.
    static CWindow* FromHandle(HWND hwnd);

    // Binds this object to an existing window by subclassing it; false when the window
    // does not exist or is already bound.
    bool Subclass(HWND hwnd);
    // Binds this object to control `id` of `dialog`.
    bool SubclassDlgItem(int id, HWND dialog);
    // Creates a child window of the framework's own class, bound to this object.
    bool CreateChild(HWND parent, int id, const RECT& rect, DWORD style, DWORD exStyle = 0);

    // Window text in code page 936.
    std::string GetText() const;
    void SetText(std::string_view text);

    bool Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

  protected:
    // Handles one message; the default passes it to DefaultProc, except WM_DRAWITEM,
    // which is handed to the control it is about (see DrawItem).
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The handling the window would have without this object.
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // Called once the object is bound by Subclass (not by CreateChild), to adopt the
    // control's style and set it up.
    virtual void OnSubclassed() {}
    // Owner drawing of this control, handed over by the parent's WM_DRAWITEM.
    // Returns false when the control does not draw itself.
    virtual bool DrawItem(const DRAWITEMSTRUCT& item);
    // A notification (WM_COMMAND) this control sent to its parent, handed back to it
    // first; true when the parent is not to handle it.
    virtual bool OnReflectedCommand(int /*code*/) { return false; }
    // The window is gone and this object is unbound.
    virtual void OnFinalMessage() {}

    // Hands a parent's WM_COMMAND to the control it came from; true when consumed.
    static bool ReflectCommand(WPARAM wParam, LPARAM lParam);

    // Runs WindowProc with the bookkeeping of destruction.
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    // Unbinds a window that is still alive (restoring its procedure) and returns it.
    HWND Detach();

  private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Bind(HWND hwnd, WNDPROC defaultProc);
    void Unbind();

    HWND hwnd_ = nullptr;
    // Procedure of the window before it was bound; DefWindowProcW for our own class.
    WNDPROC defaultProc_ = nullptr;
    int depth_ = 0;
    bool destroyed_ = false;
};

// The whole text of any window (empty for no window).
std::wstring WindowText(HWND hwnd);

// A message number unique in the session for `name` (code page 936); 0 on failure.
UINT RegisterMessage(std::string_view name);

} // namespace nook
