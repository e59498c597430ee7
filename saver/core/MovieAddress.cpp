#include "core/MovieAddress.h"

#include "core/SaverFiles.h"
#include "util/MbcsText.h"

namespace nook {

namespace {

std::string ViewParameters(const MovieSettings& settings, const MovieView& view) {
    return std::string("&view=") + (view.fullScreen ? "full" : "window") + "&adv=" + view.programDir +
           kMovieDataFile + settings.passThrough;
}

} // namespace

std::string ConfiguredMovieAddress(const std::string& moviePath, const MovieSettings& settings,
                                   const MovieView& view) {
    return moviePath + "?param=" + settings.data + ViewParameters(settings, view);
}

std::string FallbackMovieAddress(const std::string& moviePath, const MovieSettings& settings,
                                 const MovieView& view) {
    return moviePath + "?" + ViewParameters(settings, view);
}

std::string PlaceholderMovieAddress(const MovieView& view) {
    return view.programDir + kPlaceholderMovie;
}

std::string MovieFileName(const std::string& address) {
    std::string_view movie = std::string_view(address).substr(0, FindChar(address, '?'));
    size_t slash = ReverseFindChar(movie, '\\');
    return std::string(slash == std::string_view::npos ? movie : movie.substr(slash + 1));
}

} // namespace nook
