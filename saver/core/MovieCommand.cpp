#include "core/MovieCommand.h"

#include "platform/CodePage.h"
#include "util/MbcsText.h"
#include "xml/XmlDocument.h"

namespace nook {

namespace {

constexpr std::string_view kExitCommand = "app.exit";
constexpr std::string_view kCommandPrefix = "app.";

bool IsAsciiLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// The command names a movie sends become attribute names in a file we read back, so
// anything that would break the markup ("a b", "x\"/><y", an empty name) is refused.
// Two-byte characters of code page 936 are allowed, whatever their trail byte.
bool IsAttributeName(std::string_view name) {
    if (name.empty()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        if (platform::IsLeadByte(c) && i + 1 < name.size()) {
            ++i;
            continue;
        }
        bool nameStart = IsAsciiLetter(c) || c == '_' || c == ':';
        bool nameChar = nameStart || IsDigit(c) || c == '-' || c == '.';
        if (!(i == 0 ? nameStart : nameChar)) return false;
    }
    return true;
}

} // namespace

MovieCommandResult HandleMovieCommand(std::string_view command, std::string_view arguments,
                                      const std::string& configPath) {
    if (AsciiLower(command) == kExitCommand) return MovieCommandResult::Exit;
    std::string_view name = command;
    if (AsciiLower(name.substr(0, kCommandPrefix.size())) == kCommandPrefix)
        name.remove_prefix(kCommandPrefix.size());
    if (!IsAttributeName(name)) return MovieCommandResult::Ignored;

    CXmlDocument config;
    if (!config.LoadFile(configPath)) config.SetDocText();
    if (!config.FindElement("nookscreensaver")) config.AddElement("nookscreensaver");
    config.IntoElement();
    if (!config.FindElement("config")) config.AddElement("config");
    config.SetAttribute(name, arguments);
    config.SaveFile(configPath);
    return MovieCommandResult::Stored;
}

} // namespace nook
