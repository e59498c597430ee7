// Hosts one ActiveX control in a child window of a dialog. The host window takes the
// place, id and visibility of a placeholder control of the template, so the dialog
// moves, shows and hides the control like any other control.
#pragma once

#include "framework/ComPtr.h"
#include "framework/ControlSite.h"
#include "framework/Variant.h"
#include "framework/Window.h"

#include <vector>

namespace nook {

class CActiveXHost : public CWindow, private CControlSite::Events {
  public:
    CActiveXHost() = default;
    // Releases the control and destroys the host window.
    ~CActiveXHost() override;

    // Creates the control `clsid` in place of control `placeholderId` of `dialog`. On
    // failure (for example REGDB_E_CLASSNOTREG for a class that is not installed) the
    // placeholder stays and nothing else is left behind.
    HRESULT CreateInPlaceOf(const CLSID& clsid, HWND dialog, int placeholderId);
    // Creates the control in a new child window of `parent` at `rect`.
    HRESULT Create(const CLSID& clsid, HWND parent, int id, const RECT& rect, bool visible = true);
    // Disconnects the events, closes and releases the control and destroys the window.
    void Destroy();

    bool HasControl() const { return static_cast<bool>(dispatch_); }

    // Sets property `id` to `value`.
    HRESULT PutProperty(DISPID id, CVariant value);
    // Calls method `id` with `args` in declaration order; `result` may be null.
    HRESULT CallMethod(DISPID id, std::vector<CVariant> args, CVariant* result = nullptr);

  protected:
    // An event of the control; `params` holds the arguments in reverse order.
    virtual void OnEvent(DISPID id, DISPPARAMS& params);

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnControlEvent(DISPID id, DISPPARAMS& params) override { OnEvent(id, params); }
    HRESULT Activate(const CLSID& clsid);
    void ConnectEvents(const IID& iid);
    void ReleaseControl();

    // Released by ReleaseControl in the order the control needs, not in member order.
    CComPtr<CControlSite> site_;
    CComPtr<IOleObject> object_;
    CComPtr<IDispatch> dispatch_;
    CComPtr<IConnectionPoint> eventSource_;
    DWORD eventCookie_ = 0;
};

} // namespace nook
