#include "tests/support/StandinAccess.h"

#include "framework/InternetHandle.h"
#include "platform/win32/WideText.h"
#include "tests/support/TestPaths.h"

#include <cctype>

namespace nook::test {

std::string StandinHostIn(const std::string& portFile) {
    std::string port = ReadAll(portFile);
    while (!port.empty() && !std::isdigit(static_cast<unsigned char>(port.back()))) port.pop_back();
    return port.empty() ? std::string() : "127.0.0.1:" + port;
}

bool PlainGet(const std::string& url, std::string& body) {
    body.clear();
    const CInternetHandle internet(InternetOpenW(L"nook-tests", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!internet) return false;
    const CInternetHandle request(InternetOpenUrlW(internet.Get(), platform::ToWide(url).c_str(), nullptr, 0,
                                                   INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
    bool ok = static_cast<bool>(request);
    char buffer[8192];
    DWORD got = 0;
    while (ok && (ok = InternetReadFile(request.Get(), buffer, sizeof(buffer), &got) != FALSE) && got > 0)
        body.append(buffer, got);
    return ok;
}

} // namespace nook::test
