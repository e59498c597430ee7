#pragma once

#include <windows.h>

#include <string_view>

namespace nook {

// Opens a document or address (code page 936) with the shell's "open" verb, without
// error dialogs; true when the shell started it.
bool ShellOpen(std::string_view target, int show = SW_SHOWNORMAL);

} // namespace nook
