#pragma once

#include <string>
#include <string_view>

namespace nook {

enum class MovieCommandResult {
    Exit,    // "app.exit" in any letter case: the player closes
    Stored,  // stored as an attribute of "config"
    Ignored, // the name cannot be an attribute name; nothing written
};

// A command the movie sent. Every command but "app.exit" becomes the attribute
// <command without a leading "app."> = `arguments` of <nookscreensaver><config> in
// `configPath`; the file and its elements are created when missing.
MovieCommandResult HandleMovieCommand(std::string_view command, std::string_view arguments,
                                      const std::string& configPath);

} // namespace nook
