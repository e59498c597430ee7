#include "player/MovieChoice.h"

#include "registry/PluginRegistry.h"

namespace nook {

namespace {

constexpr int32_t kFallbackPluginType = 2;

// The movie file of the plug-in of `type`, its name and file; false when there is none.
bool PluginMovie(const PluginRegistry& registry, int32_t type, std::string& moviePath, MovieChoice& choice) {
    PluginEntry entry = registry.Lookup(type);
    if (!entry.binding) return false;
    moviePath = entry.binding->GetMovieFile();
    choice.pluginName = entry.binding->GetName();
    choice.pluginFile = entry.file;
    return !moviePath.empty();
}

} // namespace

MovieChoice ChooseMovie(const PluginRegistry& registry, const MovieSettings& settings,
                        const MovieView& view) {
    MovieChoice choice;
    std::string moviePath;
    if (PluginMovie(registry, settings.type, moviePath, choice)) {
        choice.address = ConfiguredMovieAddress(moviePath, settings, view);
        choice.albumData = settings.data;
    } else if (PluginMovie(registry, kFallbackPluginType, moviePath, choice)) {
        choice.address = FallbackMovieAddress(moviePath, settings, view);
    } else {
        choice = MovieChoice{PlaceholderMovieAddress(view), "", "", ""};
    }
    return choice;
}

} // namespace nook
