#include "skin/ButtonSound.h"

#include "platform/win32/WideText.h"

#include <mmsystem.h>

namespace nook {

void CButtonSound::Set(std::string_view name, HMODULE module, DWORD flags) {
    name_ = platform::ToWide(name);
    module_ = module;
    flags_ = flags;
}

void CButtonSound::Play() const {
    if (!name_.empty()) PlaySoundW(name_.c_str(), module_, flags_);
}

} // namespace nook
