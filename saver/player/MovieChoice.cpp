#include "player/MovieChoice.h"

#include "registry/PluginRegistry.h"

namespace nook {

namespace {

constexpr int32_t kFallbackPluginType = 2;

// The movie file of the plug-in of `type`, and its name; false when there is none.
bool PluginMovie(const PluginRegistry& registry, int32_t type, std::string& moviePath, std::string& name) {
    PluginEntry entry = registry.Lookup(type);
    if (!entry.binding) return false;
    moviePath = entry.binding->GetMovieFile();
    name = entry.binding->GetName();
    return !moviePath.empty();
}

} // namespace

MovieChoice ChooseMovie(const PluginRegistry& registry, const MovieSettings& settings,
                        const MovieView& view) {
    MovieChoice choice;
    std::string moviePath;
    if (PluginMovie(registry, settings.type, moviePath, choice.pluginName)) {
        choice.address = ConfiguredMovieAddress(moviePath, settings, view);
    } else if (PluginMovie(registry, kFallbackPluginType, moviePath, choice.pluginName)) {
        choice.address = FallbackMovieAddress(moviePath, settings, view);
    } else {
        choice.pluginName.clear();
        choice.address = PlaceholderMovieAddress(view);
    }
    return choice;
}

} // namespace nook
