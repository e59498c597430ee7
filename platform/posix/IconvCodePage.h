// The one-step conversions between UTF-8 and code page 936 made by iconv alone: what
// platform::Utf8ToAnsi and AnsiToUtf8 gave before they went by table, kept as the rule
// the tables must follow and as their way for input the tables have no answer for.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string IconvUtf8ToAnsi(std::string_view text, bool* lost);
std::string IconvAnsiToUtf8(std::string_view text);

} // namespace platform
