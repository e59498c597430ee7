// Display names of a diary's class and of the character, mood and weather codes of
// diaries and posts. Every code maps to a name: unknown codes fall back to the first
// entry, so no page shows an invalid name or icon.
#pragma once

#include <string_view>

namespace nook {

// Class codes are 0-based; 9 or more (or below 0) is taken as 0.
std::string_view BlogClassName(int code);

// A 1-based code after its fallback (outside 1..N it becomes 1) with its name; the code
// also numbers the icon image.
struct CodeName {
    int code;
    std::string_view name;
};
CodeName CharacterOf(int code); // N = 3
CodeName MoodOf(int code);      // N = 7
CodeName WeatherOf(int code);   // N = 6

} // namespace nook
