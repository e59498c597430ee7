#pragma once

#include <map>
#include <string>

namespace nook {

// The switches of a command line with the plain argument that follows each one. Fed one
// argument at a time by the programs' command-line parsers.
class CCommandLineParams {
public:
    // `text` is the argument without its leading "/" or "-" when `isSwitch`.
    void ParseParam(const std::string& text, bool isSwitch);

    // Copies the value of `name` (case-sensitive) into `value`; false and `value`
    // unchanged when the switch was not given.
    bool GetParam(const std::string& name, std::string& value) const;

private:
    std::map<std::string, std::string> params_;
    std::string pending_;
};

} // namespace nook
