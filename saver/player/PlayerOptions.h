#pragma once

#include <string>

namespace nook {

// What SSConfig.XML's "config" says of the player itself, beside the movie's values:
// "flash"="1" plays the plug-in's movie in the Flash control (when it is installed)
// instead of the stage; "sound"="1" (what the movie's "app.sound" stores) plays the
// album's music. Names in any letter case; a missing or unreadable file gives neither.
struct PlayerOptions {
    bool flash = false;
    bool sound = false;
};

PlayerOptions ReadPlayerOptions(const std::string& configPath);

} // namespace nook
