#pragma once

#include <objbase.h>

namespace nook {

// COM on the calling thread, multithreaded apartment (a worker thread's, with no window
// of its own); uninitialised on destruction when it was initialised here.
class CComApartment {
  public:
    CComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~CComApartment() {
        if (ok_) CoUninitialize();
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;
    bool Ok() const { return ok_; }

  private:
    bool ok_;
};

} // namespace nook
