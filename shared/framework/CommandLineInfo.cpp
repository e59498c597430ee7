#include "framework/CommandLineInfo.h"

#include "framework/KernelHandle.h"
#include "platform/win32/WideText.h"

#include <windows.h>
#include <shellapi.h>

namespace nook {

void CCommandLineInfo::ParseParam(const std::string&, bool, bool) {}

void ParseCommandLine(std::wstring_view commandLine, CCommandLineInfo& info) {
    // CommandLineToArgvW answers an empty line with the program's own path.
    if (commandLine.empty()) return;
    int count = 0;
    std::wstring line(commandLine);
    const CLocalMemory owner(CommandLineToArgvW(line.c_str(), &count));
    LPWSTR* words = static_cast<LPWSTR*>(owner.Get());
    if (!words) return;
    for (int i = 1; i < count; ++i) {
        std::string word = platform::FromWide(words[i]);
        bool isSwitch = !word.empty() && (word[0] == '/' || word[0] == '-');
        info.ParseParam(isSwitch ? word.substr(1) : word, isSwitch, i == count - 1);
    }
}

} // namespace nook
