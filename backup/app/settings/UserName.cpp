#include "app/settings/UserName.h"

#include "platform/CodePage.h"

#include <cstring>

namespace nook {

namespace {

constexpr size_t kLongestName = 255 - 4; // room for ".xml"

bool IsReservedDeviceName(std::string_view name) {
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    std::string folded;
    for (char c : stem)
        folded += lower(c);
    if (folded == "con" || folded == "prn" || folded == "aux" || folded == "nul") return true;
    return folded.size() == 4 && (folded.compare(0, 3, "com") == 0 || folded.compare(0, 3, "lpt") == 0) &&
           folded[3] >= '1' && folded[3] <= '9';
}

} // namespace

bool IsUsableUserName(std::string_view name) {
    if (name.empty() || name.size() > kLongestName) return false;
    if (name == "." || name == "..") return false;
    if (name.back() == ' ' || name.back() == '.') return false;
    for (size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (platform::IsLeadByte(c)) {
            // The trail byte may be any of 0x40-0xFE, "\" and "|" included: it is not a separator.
            if (i + 1 >= name.size()) return false;
            unsigned char trail = static_cast<unsigned char>(name[i + 1]);
            if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
            ++i;
            continue;
        }
        if (c < 0x20 || c == 0x7F || c >= 0x80 || std::strchr("<>:\"/\\|?*", c)) return false;
    }
    return !IsReservedDeviceName(name);
}

} // namespace nook
