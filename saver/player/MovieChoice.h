#pragma once

#include "core/MovieAddress.h"
#include "core/MovieSettings.h"

#include <string>

namespace nook {

class PluginRegistry;

// The movie the player plays, the name it shows for it, and what the stage needs to
// play in its place.
struct MovieChoice {
    std::string address;
    std::string pluginName; // empty for the placeholder movie
    std::string pluginFile; // the plug-in's library file name; empty for the placeholder
    std::string albumData;  // the configured "data", when the configured plug-in plays
};

// The configured plug-in's movie; failing that the movie of plug-in type 2 without the
// configured data; failing that the placeholder movie. A plug-in that cannot write its
// movie counts as failing, so the player never gets an address without a movie.
MovieChoice ChooseMovie(const PluginRegistry& registry, const MovieSettings& settings, const MovieView& view);

} // namespace nook
