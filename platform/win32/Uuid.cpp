#include "platform/Uuid.h"

#include <windows.h>
#include <rpc.h>

namespace platform {

std::string NewUuidText() {
    UUID id;
    if (UuidCreate(&id) != RPC_S_OK) return {};
    RPC_CSTR text = nullptr;
    if (UuidToStringA(&id, &text) != RPC_S_OK) return {};
    std::string out(reinterpret_cast<const char*>(text));
    RpcStringFreeA(&text);
    return out;
}

} // namespace platform
