// Reads sanitised HTML as a browser control reading code page 936 would and names the
// first thing in it that could run script, load through a scheme other than the web or
// mail, or leave the page's own markup open.
#pragma once

#include <string>
#include <string_view>

namespace nook::test {

// The first fault found, or an empty text.
std::string FindHtmlFault(std::string_view html);

} // namespace nook::test
