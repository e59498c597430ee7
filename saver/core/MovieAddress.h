// The address handed to the movie player: the movie file followed by the parameters
// the movies read. Nothing is escaped; the parts are used as they are.
#pragma once

#include "core/MovieSettings.h"

#include <string>

namespace nook {

// Where the movie plays: full screen, or in the preview window of a parent.
struct MovieView {
    bool fullScreen;
    std::string programDir; // with a trailing backslash
};

// The configured plug-in's movie: "<movie>?param=<data>&view=<view>&adv=<data file><pass-through>".
std::string ConfiguredMovieAddress(const std::string& moviePath, const MovieSettings& settings,
                                   const MovieView& view);

// The stand-in plug-in's movie, without the configured data: "<movie>?&view=...".
std::string FallbackMovieAddress(const std::string& moviePath, const MovieSettings& settings,
                                 const MovieView& view);

// The placeholder movie beside the program.
std::string PlaceholderMovieAddress(const MovieView& view);

// The file name of the movie an address plays: after the last backslash, before the "?".
std::string MovieFileName(const std::string& address);

} // namespace nook
