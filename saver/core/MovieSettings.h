#pragma once

#include <cstdint>
#include <string>

namespace nook {

// The "config" element of the screen saver's configuration, as the player uses it.
struct MovieSettings {
    int32_t type = 0;        // the plug-in to play
    std::string data;        // the movie's "param"
    std::string passThrough; // "&name=value" for every other attribute, in order
};

// Reads <nookscreensaver><config .../> from `configPath`. "type" and "data" are
// recognised in any letter case; a later one wins. A missing or unreadable file gives
// the defaults.
MovieSettings ReadMovieSettings(const std::string& configPath);

} // namespace nook
