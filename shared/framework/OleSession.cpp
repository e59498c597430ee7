#include "framework/OleSession.h"

#include <ole2.h>

namespace nook {

// S_FALSE (already initialised on this thread) still needs its matching uninitialise.
COleSession::COleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}

COleSession::~COleSession() {
    if (ok_) OleUninitialize();
}

} // namespace nook
