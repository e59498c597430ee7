// Owners for GDI and USER handles. Every handle the programs create lives in one of
// these, so that each is released once, in reverse order of creation, on every path.
#pragma once

#include "util/ScopedHandle.h"

#include <windows.h>

namespace nook {

// Owns one GDI object (bitmap, region, font, brush); DeleteObject on release.
template <class H> struct GdiObjectTraits {
    using Handle = H;
    static Handle None() { return nullptr; }
    static void Close(Handle object) { DeleteObject(object); }
};
template <class Handle> using CGdiObject = CScopedHandle<GdiObjectTraits<Handle>>;

using CBitmapHandle = CGdiObject<HBITMAP>;
using CRegionHandle = CGdiObject<HRGN>;
using CFontHandle = CGdiObject<HFONT>;
using CBrushHandle = CGdiObject<HBRUSH>;

// Selects an object into a device context and selects the previous one back on
// destruction, so that no object is ever deleted while it is still selected.
class CSelectObject {
  public:
    CSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~CSelectObject() {
        if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory device context compatible with `reference` (the screen when null).
class CMemoryDC {
  public:
    explicit CMemoryDC(HDC reference = nullptr) : dc_(CreateCompatibleDC(reference)) {}
    ~CMemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_;
};

// The client-area (GetDC) or whole-window (GetWindowDC) context of a window.
class CWindowDC {
  public:
    enum class Area { Client, Window };
    explicit CWindowDC(HWND hwnd, Area area = Area::Client)
        : hwnd_(hwnd), dc_(area == Area::Client ? GetDC(hwnd) : GetWindowDC(hwnd)) {}
    ~CWindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class CPaintDC {
  public:
    explicit CPaintDC(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~CPaintDC() { EndPaint(hwnd_, &paint_); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    HDC Get() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

  private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Owns an icon or a cursor made by CopyImage/LoadImage (not a shared one).
struct IconTraits {
    using Handle = HICON;
    static Handle None() { return nullptr; }
    static void Close(Handle icon) { DestroyIcon(icon); }
};
using CIconHandle = CScopedHandle<IconTraits>;

} // namespace nook
