#pragma once

#include <string>
#include <string_view>

namespace nook {

// Receives the words of a command line one at a time. The programs derive from it to
// record the switches they know.
class CCommandLineInfo {
  public:
    virtual ~CCommandLineInfo() = default;

    // `text` is the word in code page 936, without its leading "/" or "-" when
    // `isSwitch`; `isLast` marks the last word. The framework itself records nothing.
    virtual void ParseParam(const std::string& text, bool isSwitch, bool isLast);
};

// Splits `commandLine` (program name first, by the system's quoting rules) into words
// and hands every word after the program name to `info`, in order.
void ParseCommandLine(std::wstring_view commandLine, CCommandLineInfo& info);

} // namespace nook
