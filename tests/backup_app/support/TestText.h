#pragma once

#include "platform/CodePage.h"

#include <string>

namespace nook::test {

// Code page 936 bytes of a UTF-8 literal, so expected texts read as what the user sees.
inline std::string Gbk(const char* utf8) { return platform::Utf16ToAnsi(platform::Utf8ToUtf16(utf8)); }

} // namespace nook::test
