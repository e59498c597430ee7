// The service's session cookie in a Set-Cookie value.
#pragma once

#include <string>
#include <string_view>

namespace nook {

// Finds "ASPSESSIONID" in `setCookie` and stores "name=value" from there (up to a blank
// or ";") in `cookie`. Without it, `cookie` is left as it was and the result is false.
bool ExtractSessionCookie(std::string_view setCookie, std::string& cookie);

} // namespace nook
