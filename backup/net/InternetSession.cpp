#include "net/InternetSession.h"

#include "net/InternetTransfer.h"
#include "net/TransferSignal.h"

namespace nook {

CInternetSession::OpenEnd CInternetSession::Open(bool async) {
    handle_.Reset(InternetOpenW(kFetchUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr,
                                async ? INTERNET_FLAG_ASYNC : 0));
    if (!handle_) return OpenEnd::NoSession;
    if (async && InternetSetStatusCallbackW(handle_.Get(), &CTransferSignal::StatusCallback) ==
                     INTERNET_INVALID_STATUS_CALLBACK)
        return OpenEnd::NoCallback;
    return OpenEnd::Opened;
}

bool CInternetSession::SetConnectionsPerServer(unsigned long connections) {
    DWORD value = connections;
    const bool set =
        InternetSetOptionW(nullptr, INTERNET_OPTION_MAX_CONNS_PER_SERVER, &value, sizeof(value)) != FALSE;
    return InternetSetOptionW(nullptr, INTERNET_OPTION_MAX_CONNS_PER_1_0_SERVER, &value, sizeof(value)) !=
               FALSE &&
           set;
}

} // namespace nook
