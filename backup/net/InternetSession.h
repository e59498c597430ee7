// A WinInet session: the internet handle every request is opened from, with the status
// callback installed when it is asynchronous (requests opened from it inherit the
// callback; each gives its own context value). A fetch opens a session of its own unless
// it is handed one to share: a photo pass keeps one for all its photos, so that WinInet
// can reuse its connections to the photo server.
#pragma once

#include "framework/InternetHandle.h"

namespace nook {

class CInternetSession {
public:
    enum class OpenEnd { Opened, NoSession, NoCallback };

    // Closes a session still open, then opens one.
    OpenEnd Open(bool async);
    void Close() { handle_.Reset(); }
    HINTERNET Handle() const { return handle_.Get(); }

    // WinInet's limit of simultaneous connections to one server, for HTTP/1.1 and 1.0
    // servers alike; requests beyond it wait inside WinInet. The limit is the process's:
    // WinInet takes it only without a handle, and applies it to connections made later.
    // Wine accepts and reports it but does not enforce any limit. False when refused.
    static bool SetConnectionsPerServer(unsigned long connections);

private:
    CInternetHandle handle_;
};

} // namespace nook
