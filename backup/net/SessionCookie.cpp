#include "net/SessionCookie.h"

namespace nook {

namespace {

// Cuts `text` before the first `stop`, when one follows its first character.
std::string_view CutBefore(std::string_view text, char stop) {
    size_t at = text.find(stop);
    return at != std::string_view::npos && at > 0 ? text.substr(0, at) : text;
}

} // namespace

bool ExtractSessionCookie(std::string_view setCookie, std::string& cookie) {
    size_t start = setCookie.find("ASPSESSIONID");
    if (start == std::string_view::npos) return false;
    cookie = std::string(CutBefore(CutBefore(setCookie.substr(start), ' '), ';'));
    return true;
}

} // namespace nook
