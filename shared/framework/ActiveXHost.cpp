#include "framework/ActiveXHost.h"

namespace nook {

namespace {

// The control's default event interface; GUID_NULL when it does not say.
IID EventInterfaceOf(IUnknown* control) {
    IID iid = GUID_NULL;
    CComPtr<IProvideClassInfo2> info;
    if (SUCCEEDED(control->QueryInterface(IID_IProvideClassInfo2, info.ReceiveVoid())) &&
        FAILED(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &iid)))
        iid = GUID_NULL;
    return iid;
}

} // namespace

CActiveXHost::~CActiveXHost() {
    Destroy();
}

HRESULT CActiveXHost::CreateInPlaceOf(const CLSID& clsid, HWND dialog, int placeholderId) {
    HWND placeholder = GetDlgItem(dialog, placeholderId);
    if (!placeholder) return E_INVALIDARG;
    RECT rect;
    GetWindowRect(placeholder, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    bool visible = (GetWindowLongPtrW(placeholder, GWL_STYLE) & WS_VISIBLE) != 0;
    HRESULT hr = Create(clsid, dialog, placeholderId, rect, visible);
    if (FAILED(hr)) return hr;
    // Same place in the z-order (and so in the tab order) as the placeholder.
    SetWindowPos(Hwnd(), placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(placeholder);
    return S_OK;
}

HRESULT CActiveXHost::Create(const CLSID& clsid, HWND parent, int id, const RECT& rect, bool visible) {
    if (Hwnd()) return E_UNEXPECTED;
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | (visible ? WS_VISIBLE : 0);
    if (!CreateChild(parent, id, rect, style)) return HRESULT_FROM_WIN32(GetLastError());
    HRESULT hr = Activate(clsid);
    if (FAILED(hr)) Destroy();
    return hr;
}

HRESULT CActiveXHost::Activate(const CLSID& clsid) {
    HRESULT hr =
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object_.ReceiveVoid());
    if (FAILED(hr)) return hr;
    IID events = EventInterfaceOf(object_.Get());
    site_.Reset(new CControlSite(Hwnd(), this, events));

    DWORD misc = 0;
    object_->GetMiscStatus(DVASPECT_CONTENT, &misc);
    bool siteFirst = (misc & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (siteFirst) object_->SetClientSite(site_.Get());
    if (CComPtr<IPersistStreamInit> persist;
        SUCCEEDED(object_->QueryInterface(IID_IPersistStreamInit, persist.ReceiveVoid()))) {
        hr = persist->InitNew();
        if (FAILED(hr)) return hr;
    }
    if (!siteFirst) object_->SetClientSite(site_.Get());

    RECT client;
    GetClientRect(Hwnd(), &client);
    hr = object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, Hwnd(), &client);
    if (FAILED(hr)) return hr;
    hr = object_->QueryInterface(IID_IDispatch, dispatch_.ReceiveVoid());
    if (FAILED(hr)) return hr;
    ConnectEvents(events);
    return S_OK;
}

void CActiveXHost::ConnectEvents(const IID& iid) {
    if (iid == GUID_NULL) return; // a control without events still works
    CComPtr<IConnectionPointContainer> container;
    if (FAILED(object_->QueryInterface(IID_IConnectionPointContainer, container.ReceiveVoid()))) return;
    if (SUCCEEDED(container->FindConnectionPoint(iid, eventSource_.Receive())) &&
        FAILED(eventSource_->Advise(static_cast<IDispatch*>(site_.Get()), &eventCookie_))) {
        eventSource_.Reset();
    }
}

void CActiveXHost::ReleaseControl() {
    if (eventSource_) {
        eventSource_->Unadvise(eventCookie_);
        eventSource_.Reset();
        eventCookie_ = 0;
    }
    dispatch_.Reset();
    if (object_) {
        if (CComPtr<IOleInPlaceObject> inPlace;
            SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.ReceiveVoid())))
            inPlace->InPlaceDeactivate();
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_.Reset();
    }
    if (site_) {
        site_->Detach();
        site_.Reset();
    }
}

void CActiveXHost::Destroy() {
    ReleaseControl();
    if (HWND hwnd = Detach(); hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
}

HRESULT CActiveXHost::PutProperty(DISPID id, CVariant value) {
    if (!dispatch_) return E_UNEXPECTED;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value.Get(), &named, 1, 1};
    return dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                             nullptr, nullptr);
}

HRESULT CActiveXHost::CallMethod(DISPID id, std::vector<CVariant> args, CVariant* result) {
    if (!dispatch_) return E_UNEXPECTED;
    // IDispatch takes the arguments last first.
    std::vector<VARIANT> reversed;
    reversed.reserve(args.size());
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        reversed.push_back(it->Get());
    DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr,
                      static_cast<UINT>(reversed.size()), 0};
    CVariant ignored;
    return dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                             result ? &result->Get() : &ignored.Get(), nullptr, nullptr);
}

void CActiveXHost::OnEvent(DISPID, DISPPARAMS&) {}

LRESULT CActiveXHost::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SIZE:
        if (object_) {
            CComPtr<IOleInPlaceObject> inPlace;
            if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.ReceiveVoid()))) {
                RECT client;
                GetClientRect(Hwnd(), &client);
                inPlace->SetObjectRects(&client, &client);
            }
        }
        break;
    case WM_DESTROY:
        // Destroyed with its dialog: the control goes before its window does.
        ReleaseControl();
        break;
    case WM_ERASEBKGND:
        return TRUE; // the control covers the whole window
    default:
        break;
    }
    return CWindow::WindowProc(msg, wParam, lParam);
}

} // namespace nook
