// The conversions from and to code page 936 made by iconv alone: what platform::
// Utf8ToAnsi, AnsiToUtf8 and AnsiToUtf16 gave before they went by table, kept as the rule
// the tables must follow and as their way for input the tables have no answer for.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string IconvUtf8ToAnsi(std::string_view text, bool* lost);
std::string IconvAnsiToUtf8(std::string_view text);
std::u16string IconvAnsiToUtf16(std::string_view text);

} // namespace platform
