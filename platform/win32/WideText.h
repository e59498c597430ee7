// Conversions for Win32 calls: every call that takes text uses its W form, with the
// code page 936 text converted here, at the edge.
#pragma once

#include "platform/CodePage.h"

#include <string>

namespace platform {

inline std::wstring ToWide(std::string_view text) {
    std::u16string wide = AnsiToUtf16(text);
    return std::wstring(wide.begin(), wide.end());
}

inline std::string FromWide(std::wstring_view wide, bool* lost = nullptr) {
    return Utf16ToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()), lost);
}

} // namespace platform
