#include "skin/ButtonLink.h"

#include "framework/ShellOpen.h"

namespace nook {

namespace {

constexpr size_t kMaxLink = 260;

} // namespace

void CButtonLink::Set(std::string_view link) {
    link_ = std::string(link.substr(0, kMaxLink));
}

void CButtonLink::Open() const {
    ShellOpen(link_, SW_SHOWMAXIMIZED);
}

} // namespace nook
