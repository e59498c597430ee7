#include "framework/ControlSite.h"

namespace nook {

CControlSite::CControlSite(HWND window, Events* events, const IID& eventsIid)
    : window_(window), events_(events), eventsIid_(eventsIid) {}

void CControlSite::Detach() {
    window_ = nullptr;
    events_ = nullptr;
}

STDMETHODIMP CControlSite::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
        *object = static_cast<IOleInPlaceFrame*>(this);
    } else if (iid == IID_IDispatch || (iid == eventsIid_ && iid != GUID_NULL)) {
        *object = static_cast<IDispatch*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CControlSite::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) CControlSite::Release() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP CControlSite::SaveObject() {
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CControlSite::ShowObject() {
    return S_OK;
}

STDMETHODIMP CControlSite::OnShowWindow(BOOL) {
    return S_OK;
}

STDMETHODIMP CControlSite::RequestNewObjectLayout() {
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_;
    return window_ ? S_OK : E_FAIL;
}

STDMETHODIMP CControlSite::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::CanInPlaceActivate() {
    return window_ ? S_OK : S_FALSE;
}

STDMETHODIMP CControlSite::OnInPlaceActivate() {
    return S_OK;
}

STDMETHODIMP CControlSite::OnUIActivate() {
    return S_OK;
}

STDMETHODIMP CControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                            RECT* position, RECT* clip, OLEINPLACEFRAMEINFO* frameInfo) {
    if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    *position = client;
    *clip = client;
    frameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = window_ ? GetAncestor(window_, GA_ROOT) : nullptr;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CControlSite::Scroll(SIZE) {
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::OnUIDeactivate(BOOL) {
    return S_OK;
}

STDMETHODIMP CControlSite::OnInPlaceDeactivate() {
    return S_OK;
}

STDMETHODIMP CControlSite::DiscardUndoState() {
    return S_OK;
}

STDMETHODIMP CControlSite::DeactivateAndUndo() {
    return S_OK;
}

STDMETHODIMP CControlSite::OnPosRectChange(LPCRECT) {
    return S_OK;
}

STDMETHODIMP CControlSite::GetBorder(RECT*) {
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CControlSite::RequestBorderSpace(LPCBORDERWIDTHS) {
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CControlSite::SetBorderSpace(LPCBORDERWIDTHS) {
    return OLE_E_INVALIDRECT;
}

STDMETHODIMP CControlSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) {
    return S_OK;
}

STDMETHODIMP CControlSite::InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) {
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::SetMenu(HMENU, HOLEMENU, HWND) {
    return S_OK;
}

STDMETHODIMP CControlSite::RemoveMenus(HMENU) {
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::SetStatusText(LPCOLESTR) {
    return S_OK;
}

STDMETHODIMP CControlSite::EnableModeless(BOOL) {
    return S_OK;
}

STDMETHODIMP CControlSite::TranslateAccelerator(MSG*, WORD) {
    return S_FALSE;
}

STDMETHODIMP CControlSite::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return S_OK;
}

STDMETHODIMP CControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                  UINT*) {
    // The same IDispatch is asked for ambient properties (negative ids); we keep the
    // controls' defaults for all of them.
    if (id < 0) return DISP_E_MEMBERNOTFOUND;
    if (events_) {
        DISPPARAMS none{};
        events_->OnControlEvent(id, params ? *params : none);
    }
    return S_OK;
}

} // namespace nook
